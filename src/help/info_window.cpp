#include "help/info_window.h"

#include "help/help_texts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace help {

namespace {

// Client sizes in pixels; the text box fills the client area.
constexpr QSize kForm3Client(491, 556);
constexpr QSize kForm4Client(491, 573);
constexpr QRect kText1Box(0, 0, 489, 553);

}  // namespace

InfoWindow::InfoWindow(const char *caption, QSize clientSize, Composer compose,
                       QWidget *parent)
    : QWidget(parent, Qt::Window), compose_(compose)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(caption));
    resize(clientSize);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = Text1->font();
    font.setPointSize(12);
    font.setBold(true);
    Text1->setFont(font);
    Text1->setGeometry(kText1Box);

    Form_Load();

    // The lines are broken by hand for a narrow font; where the font on this
    // machine is wider, the window widens so that no line wraps again.
    int widest = 0;
    const QFontMetrics metrics(font);
    for (const QString &line : HelpText.split(QStringLiteral("\r\n")))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int chrome = Text1->verticalScrollBar()->sizeHint().width() + 2 * Text1->frameWidth()
                       + 2 * int(Text1->document()->documentMargin()) + 4;
    const int wanted = widest + chrome;
    if (wanted > kText1Box.width()) {
        Text1->resize(wanted, Text1->height());
        resize(width() + wanted - kText1Box.width(), height());
    }
}

void InfoWindow::Form_Load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + QPoint(1, 1));

    HelpText = compose_();
    Text1->setPlainText(HelpText);
}

Form3::Form3(QWidget *parent)
    : InfoWindow("Info zum Programm TAVRIX.EXE - Strahlenverlauf", kForm3Client,
                 &ComposeForm3Text, parent)
{
}

form4::form4(QWidget *parent)
    : InfoWindow("Info zum Programm TAVRIX.EXE - Abbildung von Punkten", kForm4Client,
                 &ComposeForm4Text, parent)
{
}

}  // namespace help
