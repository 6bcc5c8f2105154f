// The info windows as a reader sees them: caption, the section headings in
// order, lines that fit and do not wrap again, and the same section on
// saving in both texts.
#include "help/help_texts.h"
#include "help/info_window.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

class TestHelp : public QObject
{
    Q_OBJECT
private slots:
    void infoWindow_data()
    {
        QTest::addColumn<help::HelpTopic>("topic");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("headings");
        const QString info = QStringLiteral("Info zum Programm TAVRIX.EXE - ");
        QTest::newRow("ray path") << help::HelpTopic::RayPath << info + "Strahlenverlauf"
            << QStringList{"Allgemeines", "Bewegen des Objektpunktes P, Ändern der Brechzahl",
                           "Starten von Lichtstrahlen", "Markieren von Bildpunkten und Augen",
                           "Drucken", "Speichern des Bildes in einer Datei"};
        QTest::newRow("imaging") << help::HelpTopic::Imaging << info + "Abbildung von Punkten"
            << QStringList{"Abbildung einzelner Punkte", "Bewegen des Auges",
                           "Abbildung von Punktreihen", "Punktraster", "Drucken",
                           "Speichern des Bildes in einer Datei"};
    }
    void infoWindow()
    {
        QFETCH(help::HelpTopic, topic);
        QFETCH(QString, caption);
        QFETCH(QStringList, headings);
        QPointer<help::InfoWindow> w = new help::InfoWindow(topic);
        QCOMPARE(w->windowTitle(), caption);
        const QString shown = w->textBox()->toPlainText();
        QCOMPARE(shown, help::helpText(topic).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // Headings stand in the first column, in order; body lines are indented.
        QStringList found;
        for (const QString &line : shown.split(u'\n')) {
            QVERIFY2(line.size() <= help::kMaxLineLength && !line.contains(u'Ã'), qPrintable(line));
            if (!line.isEmpty() && !line.at(0).isSpace())
                found << line.trimmed();
        }
        QCOMPARE(found, headings);
        const qsizetype saving = shown.indexOf(headings.last());
        QCOMPARE(shown.mid(saving), help::helpText(help::HelpTopic::RayPath).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                        .section(headings.last(), 1).prepend(headings.last()));
        w->load();  // loading again composes the text afresh, not onto the old one
        QCOMPARE(w->textBox()->toPlainText(), shown);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(w->frameGeometry().topLeft(), area.topLeft() + QPoint(1, 1));
        for (QTextBlock b = w->textBox()->document()->begin(); b.isValid(); b = b.next())
            QVERIFY2(b.layout()->lineCount() <= 1, qPrintable(b.text()));
        QVERIFY(w->textBox()->isReadOnly());
        w->close();  // a closed info window is gone
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
