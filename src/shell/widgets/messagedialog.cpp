#include "shell/widgets/messagedialog.h"

#include <QDebug>
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
QStringList g_shownTexts;
bool g_recordShownTexts = false; // a running program keeps no list
} // namespace

MessageDialog::MessageDialog(QString text, int mode, bool showShield, QString title, QWidget *parent)
    : ShieldedDialog(showShield, parent)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("MessageDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildForm(text, title);
}

void MessageDialog::buildForm(const QString &text, const QString &title)
{
    auto *layout = buildFrame(QMargins(24, 16, 24, 20));
    QWidget *frame = layout->parentWidget();
    m_titleLabel = new QLabel(title.isEmpty() ? tr("提示") : title, frame);
    m_titleLabel->setObjectName(QStringLiteral("messageTitle"));
    layout->addWidget(m_titleLabel);

    m_textLabel = new QLabel(text, frame);
    m_textLabel->setObjectName(QStringLiteral("messageText"));
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setMinimumWidth(320);
    layout->addWidget(m_textLabel, 1);

    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addStretch(1);
    layout->addLayout(m_buttonRow);
    if (m_mode == MODE_YES_NO) {
        addButton(tr("是"), 1);
        addButton(tr("否"), 0);
    } else if (m_mode == MODE_OK) {
        addButton(tr("確定"), 1);
    }
    m_buttonRow->addStretch(1);
    if (m_noButton)
        m_noButton->setFocus();
}

void MessageDialog::addButton(const QString &text, int result)
{
    auto *button = new QPushButton(text, m_textLabel->parentWidget());
    button->setObjectName(result ? QStringLiteral("messageYesButton") : QStringLiteral("messageNoButton"));
    button->setAutoDefault(false);
    button->setMinimumSize(100, 36);
    connect(button, &QPushButton::clicked, this, [this, result]() { done(result); });
    m_buttonRow->addWidget(button);
    if (result == 0)
        m_noButton = button;
}

QString MessageDialog::text() const
{
    return m_textLabel->text();
}

QString MessageDialog::title() const
{
    return m_titleLabel->text();
}

int MessageDialog::exec()
{
    bool answered = false;
    int answer = 0;
    {
        QMutexLocker lock(&g_seamMutex);
        if (g_recordShownTexts)
            g_shownTexts << text();
        if (!g_nextAnswers.isEmpty()) {
            answered = true;
            answer = g_nextAnswers.dequeue();
        }
    }
    if (answered)
        return finishWithoutLoop(answer);
    // Only "是"/"確定" give 1; Escape, closing and every other way give 0.
    return QDialog::exec() == 1 ? 1 : 0;
}

void MessageDialog::pushNextAnswer(int answer)
{
    QMutexLocker lock(&g_seamMutex);
    g_nextAnswers.enqueue(answer);
}

QStringList MessageDialog::shownTexts()
{
    QMutexLocker lock(&g_seamMutex);
    return g_shownTexts;
}

void MessageDialog::setRecordShownTexts(bool on)
{
    QMutexLocker lock(&g_seamMutex);
    g_recordShownTexts = on;
    if (!on)
        g_shownTexts.clear();
}

void MessageDialog::clearShownTexts()
{
    QMutexLocker lock(&g_seamMutex);
    g_shownTexts.clear();
}
