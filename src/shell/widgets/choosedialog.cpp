#include "shell/widgets/choosedialog.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMutex>
#include <QPushButton>
#include <QQueue>
#include <QVBoxLayout>

namespace {
QMutex g_seamMutex;
QQueue<int> g_nextAnswers;
QStringList g_lastItems;
QString g_lastText;
} // namespace

ChooseDialog::ChooseDialog(QStringList items, QString text, bool showShield, QWidget *parent)
    : ShieldedDialog(showShield, parent)
    , m_items(items)
    , m_text(text)
{
    setObjectName(QStringLiteral("ChooseDialog"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = buildFrame(QMargins(24, 18, 24, 20));
    QWidget *frame = layout->parentWidget();
    auto *label = new QLabel(text, frame);
    label->setObjectName(QStringLiteral("messageText"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(320);
    layout->addWidget(label);

    m_comboBox = new QComboBox(frame);
    m_comboBox->setObjectName(QStringLiteral("chooseComboBox"));
    m_comboBox->addItems(items);
    m_comboBox->setMinimumHeight(32);
    layout->addWidget(m_comboBox);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    auto *okButton = new QPushButton(tr("確定"), frame);
    okButton->setObjectName(QStringLiteral("messageYesButton"));
    okButton->setMinimumSize(100, 36);
    auto *cancelButton = new QPushButton(tr("取消"), frame);
    cancelButton->setObjectName(QStringLiteral("messageNoButton"));
    cancelButton->setMinimumSize(100, 36);
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    row->addStretch(1);
    layout->addLayout(row);

    connect(okButton, &QPushButton::clicked, this, [this]() { done(m_comboBox->currentIndex()); });
    connect(cancelButton, &QPushButton::clicked, this, [this]() { done(-1); });
}

int ChooseDialog::exec()
{
    bool answered = false;
    int answer = -1;
    {
        QMutexLocker lock(&g_seamMutex);
        g_lastItems = m_items;
        g_lastText = m_text;
        if (!g_nextAnswers.isEmpty()) {
            answered = true;
            answer = g_nextAnswers.dequeue();
        }
    }
    if (answered)
        return finishWithoutLoop(answer);
    return QDialog::exec();
}

void ChooseDialog::reject()
{
    done(-1);
}

void ChooseDialog::pushNextAnswer(int index)
{
    QMutexLocker lock(&g_seamMutex);
    g_nextAnswers.enqueue(index);
}

QStringList ChooseDialog::lastItems()
{
    QMutexLocker lock(&g_seamMutex);
    return g_lastItems;
}

QString ChooseDialog::lastText()
{
    QMutexLocker lock(&g_seamMutex);
    return g_lastText;
}
