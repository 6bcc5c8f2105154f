// The info windows: the layout rules of their help texts, checked on the
// composed text, and the windows that show them.
#include "help/help_texts.h"
#include "help/info_window.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>
#include <memory>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kIndent = QStringLiteral("   ");
const QString kSaving = QStringLiteral("Speichern des Bildes in einer Datei  ");

// Exactly three blanks, then text.
bool isBodyLine(const QString &line)
{
    return line.startsWith(kIndent) && line.size() > 3 && !line.at(3).isSpace();
}

}  // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void sections_data();
    void sections();
    void imagingTextEnding();
    void window_data();
    void window();
};

void TestHelp::sections_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QList<int>>("bodyCounts");
    QTest::addColumn<int>("blanksClosed");  // the section closed by three blanks, or -1
    QTest::newRow("ray path") << help::helpText(help::HelpTopic::RayPath)
        << QStringList{QStringLiteral("Allgemeines"),
                       QStringLiteral("Bewegen des Objektpunktes P, Ändern der Brechzahl   "),
                       QStringLiteral("Starten von Lichtstrahlen    "),
                       QStringLiteral("Markieren von Bildpunkten und Augen "),
                       QStringLiteral("Drucken   "), kSaving}
        << QList<int>{11, 6, 14, 20, 8, 7} << -1;
    QTest::newRow("imaging") << help::helpText(help::HelpTopic::Imaging)
        << QStringList{QStringLiteral("Abbildung einzelner Punkte   "),
                       QStringLiteral("Bewegen des Auges   "),
                       QStringLiteral("Abbildung von Punktreihen   "),
                       QStringLiteral("Punktraster   "), QStringLiteral("Drucken   "), kSaving}
        << QList<int>{8, 5, 10, 5, 6, 7} << 4;
}

// Headings in order, each followed by its body lines and its closing line;
// every body line indented by exactly three blanks and short enough, and a
// word split at its end continued at the start of the next line.
void TestHelp::sections()
{
    QFETCH(QString, text);
    QFETCH(QStringList, headings);
    QFETCH(QList<int>, bodyCounts);
    QFETCH(int, blanksClosed);

    QVERIFY(text.endsWith(kCrLf));
    QStringList lines = text.split(kCrLf);
    lines.removeLast();  // the empty piece after the final CR LF
    QCOMPARE(lines.value(0), QString());
    int i = 1;
    for (int s = 0; s < headings.size(); ++s) {
        QCOMPARE(lines.value(i++), headings[s]);
        const int first = i;
        for (; isBodyLine(lines.value(i)); ++i) {
            const QString &line = lines[i];
            QVERIFY2(line.size() <= help::kMaxLineLength, line.toUtf8());
            QVERIFY2(!line.contains(QChar::ReplacementCharacter) && !line.contains(u'Ã'),
                     line.toUtf8());
            if (line.endsWith(u'-')) {
                const QString next = lines.value(i + 1);
                QVERIFY2(!line.endsWith(QStringLiteral(" -")), line.toUtf8());
                QVERIFY2(isBodyLine(next) && next.at(3).isLower(), line.toUtf8());
            }
        }
        QCOMPARE(i - first, bodyCounts[s]);
        QCOMPARE(lines.value(i++), s == blanksClosed ? kIndent : QString());
    }
    QCOMPARE(i, lines.size());
}

// The printing section of the imaging text ends on "Linien." and its line of
// blanks; the section on saving that follows is the same in both texts.
void TestHelp::imagingTextEnding()
{
    const QString rayPath = help::helpText(help::HelpTopic::RayPath);
    const QString imaging = help::helpText(help::HelpTopic::Imaging);
    const QString saving = kCrLf + kSaving + kCrLf;
    QVERIFY(imaging.contains(QStringLiteral("\r\n   Linien.\r\n   ") + saving));
    QCOMPARE(rayPath.mid(rayPath.indexOf(saving)), imaging.mid(imaging.indexOf(saving)));
}

void TestHelp::window_data()
{
    QTest::addColumn<help::HelpTopic>("topic");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    const QString info = QStringLiteral("Info zum Programm TAVRIX.EXE - ");
    QTest::newRow("ray path") << help::HelpTopic::RayPath << info + QStringLiteral("Strahlenverlauf") << QSize(491, 556);
    QTest::newRow("imaging") << help::HelpTopic::Imaging << info + QStringLiteral("Abbildung von Punkten") << QSize(491, 573);
}

void TestHelp::window()
{
    QFETCH(help::HelpTopic, topic);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    const auto make = [topic] { return new help::InfoWindow(topic); };
    const QString text = help::helpText(topic);
    const QString shown = QString(text).replace(kCrLf, QStringLiteral("\n"));

    QPointer<help::InfoWindow> w = make();
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->textBox()->toPlainText(), shown);
    w->load();  // a second load composes the text afresh, not onto the old one
    QCOMPARE(w->textBox()->toPlainText(), shown);

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(w->frameGeometry().topLeft(), area.topLeft() + QPoint(1, 1));
    QCOMPARE(w->height(), client.height());
    QVERIFY(w->width() >= client.width());
    // The lines are broken by hand: none of them wraps again in the window.
    for (QTextBlock b = w->textBox()->document()->begin(); b.isValid(); b = b.next())
        QVERIFY2(!b.layout() || b.layout()->lineCount() <= 1, qPrintable(b.text()));

    // Closing unloads the window; the next one is made afresh.
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    const std::unique_ptr<help::InfoWindow> again(make());
    QCOMPARE(again->textBox()->toPlainText(), shown);
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
