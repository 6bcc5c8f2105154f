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
constexpr QSize kRayPathClient(491, 556);
constexpr QSize kImagingClient(491, 573);
constexpr QRect kTextBox(0, 0, 489, 553);

}  // namespace

InfoWindow::InfoWindow(HelpTopic topic, QWidget *parent)
    : QWidget(parent, Qt::Window), topic_(topic)
{
    const bool rayPath = topic == HelpTopic::RayPath;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(rayPath ? QStringLiteral("Info zum Programm TAVRIX.EXE - Strahlenverlauf")
                           : QStringLiteral("Info zum Programm TAVRIX.EXE - Abbildung von Punkten"));
    resize(rayPath ? kRayPathClient : kImagingClient);

    textBox_ = new QPlainTextEdit(this);
    textBox_->setObjectName(QStringLiteral("helpText"));
    textBox_->setReadOnly(true);
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = textBox_->font();
    font.setPointSize(12);
    font.setBold(true);
    textBox_->setFont(font);
    textBox_->setGeometry(kTextBox);

    load();

    // The lines are broken by hand for a narrow font; where the font on this
    // machine is wider, the window widens so that no line wraps again.
    int widest = 0;
    const QFontMetrics metrics(font);
    for (const QString &line : helpText(topic_).split(QStringLiteral("\r\n")))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int chrome = textBox_->verticalScrollBar()->sizeHint().width() + 2 * textBox_->frameWidth()
                       + 2 * int(textBox_->document()->documentMargin()) + 4;
    const int wanted = widest + chrome;
    if (wanted > kTextBox.width()) {
        textBox_->resize(wanted, textBox_->height());
        resize(width() + wanted - kTextBox.width(), height());
    }
}

void InfoWindow::load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + QPoint(1, 1));
    textBox_->setPlainText(helpText(topic_));
}

}  // namespace help
