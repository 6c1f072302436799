#include "pages/helpandfaq.h"

#include "core/systemconfig.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace {
// Plain-text layout shared by the three texts: a heading, then entries of a
// question line and its answer indented by four spaces.
const char *const kTextCh = QT_TRANSLATE_NOOP(
    "HelpAndFAQ",
    "常見問題\n"
    "\n"
    "Lorix如何與電腦連結?\n"
    "    A：\n"
    "    1. 在儀器上進入通訊設置，連接到與電腦相同的WiFi網路。\n"
    "    2. 在儀器的WiFi詳情中查看儀器的WiFi IP地址。\n"
    "    3. "
    "在電腦上打開本程式的「儀器IP設置」頁面，輸入該IP地址並點擊連接；連接成功後，視窗底部的指示燈變為綠色，並顯示「已連"
    "接儀器」。\n"
    "\n"
    "檢體樣本如何處理?\n"
    "    A：\n"
    "    1. 液體樣本：取200 μL樣本，加入保存液稀釋並混勻，再取200 μL加入LB孔中進行裂解。\n"
    "    2. 尿液樣本：直接取200 μL加入LB管中。\n"
    "    3. 拭子樣本：將拭子放入保存液中充分攪拌洗脫，再取200 μL加入LB孔中。\n"
    "\n"
    "採集的樣品如果暫時不做，該怎麼保存？能存放多久？常溫放置後影響多大？\n"
    "    A：請冷藏保存，並盡快檢測。樣品在常溫下放置越久，核酸降解越多，可能使檢測結果偏弱甚至出現假陰性。\n"
    "\n"
    "萃取完成之核酸，可以放置多久？\n"
    "    A：萃取完成後請在1小時內置於4 ℃保存，並放在乾淨無菌的管子或萃取盒中密封；建議當天完成後續的檢測項目。\n"
    "\n"
    "萃取儀在進行核酸萃取結束後，不小心再次點擊運行，怎麼辦？\n"
    "    A：\n"
    "    1. 在3分鐘內按下萃取儀的RUN鍵停止運行。\n"
    "    2. 或者等待第二次運行結束，萃取好的核酸仍可使用。\n"
    "\n"
    "擴增試劑管，能在蓋子上做標記嗎？\n"
    "    A：不能。蓋子上的標記會影響螢光檢測，請只在管壁側面做標記。\n"
    "\n"
    "PCR擴增時，凍乾粉擴增試劑管忘記蓋了，有什麼影響？\n"
    "    A：本次檢測結果無效。\n"
    "    *下次檢測前，請先清潔並消毒儀器的反應槽。\n"
    "\n"
    "Lorix是否可連接多台設備？\n"
    "    A：一台電腦同一時間只能連接一台儀器。如需使用多台儀器，請以多台電腦分別連接，或以USB方式傳輸數據。\n"
    "\n"
    "\n"
    "實驗步驟:\n"
    "    A：\n"
    "    1. 按下儀器的OPEN鍵打開艙蓋，放入樣本。\n"
    "    2. 在儀器上選擇孔位、物種（貓、狗或異寵）及檢測項目。\n"
    "    3. 重複以上步驟，最多可放入8個樣本（8個孔位）。\n"
    "    4. 開始運行。");

const char *const kTextSp = QT_TRANSLATE_NOOP(
    "HelpAndFAQ",
    "Preguntas frecuentes sobre Lorix Real-time PCR\n"
    "\n"
    "¿Cómo conectar con el PC?\n"
    "    R:\n"
    "    1. En el instrumento, abra los ajustes de comunicación y conéctese a la misma red WiFi que el PC.\n"
    "    2. Abra los detalles de WiFi del instrumento y anote su dirección IP WiFi.\n"
    "    3. En el PC, abra la página \"IP del instrumento\" de este programa, introduzca esa dirección y conecte. Una "
    "vez conectado, el indicador de la parte inferior de la ventana se pone verde y muestra \"Instrumento "
    "conectado\".\n"
    "\n"
    "¿Requisitos de muestreo?\n"
    "    R: Para muestra líquida: diluya 200 μL de la muestra con tampón de conservación y mezcle; después añada 200 "
    "μL de la mezcla al pocillo LB para la lisis.\n"
    "\n"
    "Para muestra de hisopo:\n"
    "    R: Agite bien el hisopo en el tampón de conservación; después añada 200 μL del tampón al pocillo LB.\n"
    "\n"
    "Si las muestras recogidas no se procesan de inmediato, ¿cómo deben conservarse? ¿Cuánto tiempo pueden "
    "conservarse?\n"
    "    R: Manténgalas refrigeradas y analícelas en un plazo de tres días.\n"
    "\n"
    "¿Cuánto tiempo puede conservarse el ácido nucleico extraído?\n"
    "    R: Consérvelo sellado a 4 °C o a -20 °C dentro de la hora siguiente a la extracción.\n"
    "\n"
    "¿Qué hago si el extractor vuelve a ponerse en marcha por accidente después de terminar la extracción del ácido "
    "nucleico?\n"
    "    1. Pulse el botón RUN en los 3 minutos siguientes para detenerlo.\n"
    "    2. O deje que termine la segunda ejecución; el ácido nucleico extraído puede seguir usándose.\n"
    "\n"
    "¿Se puede marcar la tapa de los tubos de reactivo de amplificación?\n"
    "    R: No. Una marca en la tapa altera la lectura de fluorescencia; marque solo la pared lateral del tubo.\n"
    "\n"
    "Si el tubo de amplificación con polvo liofilizado no se tapa durante la amplificación por PCR, ¿afecta a la "
    "prueba?\n"
    "    R: Sí, los resultados de esa ejecución no son válidos.\n"
    "    * Limpie y desinfecte el bloque de reacción del instrumento antes de la siguiente prueba.\n"
    "\n"
    "¿Puede el PC conectarse a varios instrumentos Lorix?\n"
    "    R: No. Un PC se conecta a un solo instrumento a la vez. Para usar varios instrumentos, conecte cada uno a su "
    "propio ordenador o transfiera los datos por USB.\n"
    "\n"
    "\n"
    "Procedimiento de prueba:\n"
    "    R:\n"
    "    1. Pulse el botón OPEN del instrumento para abrir la tapa y cargue las muestras.\n"
    "    2. En el instrumento, elija el pocillo, la especie (gato, perro o exóticos) y el elemento de prueba.\n"
    "    3. Repita el proceso para un máximo de 8 muestras (8 pocillos).\n"
    "    4. Inicie la ejecución.");

const char *const kTextEn = QT_TRANSLATE_NOOP(
    "HelpAndFAQ",
    "Lorix Real-time PCR FAQs\n"
    "\n"
    "How to connect with PC?\n"
    "    A:\n"
    "    1. On the instrument, open the communication settings and join the WiFi network that the PC is on.\n"
    "    2. Open the WiFi details on the instrument and note its WiFi IP address.\n"
    "    3. On the PC, open the \"Instrument IP\" page of this program, enter that address and connect. Once "
    "connected, the indicator at the bottom of the window turns green and shows \"Instrument connected\".\n"
    "\n"
    "Sampling requirements?\n"
    "    A:\n"
    "    1. Liquid samples: dilute 200 μL of the sample with preservation buffer and mix, then add 200 μL of the "
    "mixture to the LB well for lysis.\n"
    "    2. Swab samples: stir the swab well in preservation buffer, then add 200 μL of the buffer to the LB well.\n"
    "\n"
    "If the collected samples are not processed immediately, how should they be stored? How long can they be stored?\n"
    "    A: Keep them refrigerated and test them within three days.\n"
    "\n"
    "How long can the extracted nucleic acid be stored?\n"
    "    A: Store it sealed at 4 °C or -20 °C within 1 hour of extraction.\n"
    "\n"
    "What should I do if the extraction instrument accidentally restart again after the nucleic acid extraction is "
    "completed?\n"
    "    A:\n"
    "    1. Press the RUN button within 3 minutes to stop the run.\n"
    "    2. Or let the second run finish; the extracted nucleic acid can still be used.\n"
    "\n"
    "Can the cap of amplification reagent tubes be marked?\n"
    "    A: No. A mark on the cap disturbs the fluorescence reading; mark only the side wall of the tube.\n"
    "\n"
    "If the lyophilized powder amplification tube is not capped during PCR amplification, will it affect the testing?\n"
    "    A: Yes, the results of that run are invalid.\n"
    "    * Clean and disinfect the reaction block of the instrument before the next test.\n"
    "\n"
    "Can PC connect to multiple Lorixinstruments?\n"
    "    A: No. One PC connects to one instrument at a time. To use several instruments, connect each one to its own "
    "computer, or transfer the data by USB.\n"
    "\n"
    "\n"
    "Test Procedure:\n"
    "    A:\n"
    "    1. Press the OPEN button on the instrument to open the lid, and load the samples.\n"
    "    2. On the instrument, choose the well, the species (cat, dog or exotics) and the test item.\n"
    "    3. Repeat for up to 8 samples (8 wells).\n"
    "    4. Start the run.");
QPlainTextEdit *helpEditor(const QString &name, QWidget *parent)
{
    auto *editor = new QPlainTextEdit(parent);
    editor->setObjectName(name);
    editor->setReadOnly(true);
    return editor;
}
} // namespace

HelpAndFAQ *HelpAndFAQ::getInstance()
{
    return Singleton<HelpAndFAQ>::instance();
}

HelpAndFAQ::HelpAndFAQ(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Form)
{
    setObjectName(QStringLiteral("HelpAndFAQ"));
    resize(800, 480);
    setFont(QFont(QStringLiteral("Microsoft YaHei"), 10));
    ui->horizontalLayout_4 = new QHBoxLayout(this);
    ui->horizontalLayout_4->setObjectName(QStringLiteral("horizontalLayout_4"));
    ui->helpText_ch = helpEditor(QStringLiteral("helpText_ch"), this);
    ui->helpText_sp = helpEditor(QStringLiteral("helpText_sp"), this);
    ui->helpText_en = helpEditor(QStringLiteral("helpText_en"), this);
    ui->helpText_en->setFont(QFont(QStringLiteral("Segoe UI"), 12));
    ui->horizontalLayout_4->addWidget(ui->helpText_ch);
    ui->horizontalLayout_4->addWidget(ui->helpText_sp);
    ui->horizontalLayout_4->addWidget(ui->helpText_en);
    setTexts();
}

HelpAndFAQ::~HelpAndFAQ()
{
    delete ui;
    Singleton<HelpAndFAQ>::forget(this);
}

void HelpAndFAQ::releaseInstance()
{
    Singleton<HelpAndFAQ>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString HelpAndFAQ::getTitle()
{
    return tr("常見問題");
}

void HelpAndFAQ::setTexts()
{
    setWindowTitle(tr("Form"));
    ui->helpText_ch->setPlainText(tr(kTextCh));
    ui->helpText_sp->setPlainText(tr(kTextSp));
    ui->helpText_en->setPlainText(tr(kTextEn));
}

void HelpAndFAQ::initWidget()
{
    setTexts();
    const int language = SystemConfig::getInstance()->getSystemLanguage();
    QPlainTextEdit *shown = ui->helpText_ch;
    if (language == 1)
        shown = ui->helpText_en;
    else if (language == 2)
        shown = ui->helpText_sp;
    for (QPlainTextEdit *editor : {ui->helpText_ch, ui->helpText_sp, ui->helpText_en})
        editor->setVisible(editor == shown);
}
