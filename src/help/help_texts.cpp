#include "help/help_texts.h"

#include <QStringView>
#include <array>
#include <span>
#include <string_view>

namespace help {

namespace {

// How a section ends: with an empty line, or with a line of three blanks.
enum class Closing { EmptyLine, Blanks };

struct Section
{
    std::u16string_view heading;
    std::span<const std::u16string_view> body;
    Closing closing = Closing::EmptyLine;
};

constexpr std::u16string_view kIndent = u"   ";

// Body lines are written without their indent; the lines are broken by hand.

// Ray-path view.

constexpr std::u16string_view kGeneral[] = {
    u"Das Programm zeigt den Verlauf von Lichtstrahlen, die",
    u"von einem Objektpunkt P ausgehen und auf die ebene",
    u"Grenzfläche zwischen zwei Medien unterschiedlicher",
    u"optischer Dichte treffen. Je nach Lage von P gehen sie",
    u"vom optisch dünneren in das optisch dichtere Medium",
    u"über oder umgekehrt. Außer den gebrochenen Strahlen",
    u"können Sie wahlweise auch die reflektierten Strahlen,",
    u"die rückwärtigen Verlängerungen der gebrochenen und der",
    u"reflektierten Strahlen sowie die Einfallslote in den",
    u"Auftreffpunkten darstellen lassen. Klicken Sie dazu",
    u"unter „Wahl der Strahlen“ die entsprechende Option an.",
};

constexpr std::u16string_view kMovingP[] = {
    u"Den Objektpunkt P ziehen Sie mit gedrückter rechter",
    u"Maustaste, oder mit dem Finger auf P aufgesetzt, an",
    u"jede Stelle des Zeichenfeldes, oberhalb wie unterhalb",
    u"der Grenzlinie. Die relative Brechzahl n der beiden",
    u"Medien stellen Sie mit der Bildlaufleiste rechts ein;",
    u"die Brechzahl des optisch dünneren Mediums ist dabei 1.",
};

constexpr std::u16string_view kStartingRays[] = {
    u"Wenn Sie die linke Maustaste drücken oder den Finger",
    u"neben P aufsetzen, startet ein Lichtstrahl, der durch",
    u"P und die Spitze des Mauszeigers (den Finger)",
    u"verläuft. Solange Sie die Taste gedrückt halten, folgt",
    u"der Strahl dem Mauszeiger; beim Loslassen behält er",
    u"seine Lage bei. Mit dem nächsten Tastendruck starten",
    u"Sie den nächsten Strahl. Auf diese Weise lassen sich",
    u"bis zu 100 Strahlen darstellen, die von P ausgehen.",
    u"Dabei zeigt sich: Die gebrochenen Strahlen bilden kein",
    u"homozentrisches Bündel mehr; ihre rückwärtigen",
    u"Verlängerungen schneiden sich nicht in einem",
    u"gemeinsamen Punkt. Vielmehr berühren sie alle eine",
    u"gemeinsame Kurve, die Kaustik. Die Kaustik tritt umso",
    u"deutlicher hervor, je mehr Strahlen Sie starten.",
};

constexpr std::u16string_view kMarking[] = {
    u"Die Verlängerungen der gebrochenen Strahlen eines",
    u"Teilbündels mit sehr kleiner Öffnung gehen in guter",
    u"Näherung durch einen einzigen Punkt P'; die Näherung",
    u"ist umso besser, je kleiner die Öffnung ist. Schmale",
    u"Strahlenbündel, wie sie zum Beispiel die Pupille des",
    u"Auges auswählt, bilden den Objektpunkt P daher auf den",
    u"Bildpunkt P' ab. Die Lage von P' hängt jedoch davon ab,",
    u"welches Teilbündel ausgewählt wird; deshalb sieht das",
    u"Auge den Punkt P je nach Blickrichtung an einer anderen",
    u"Stelle. Um P' zu markieren, klicken Sie mit der linken",
    u"Maustaste zuerst auf das Punktsymbol im Bereich",
    u"„Markierungen setzen“ und danach auf die gewünschte",
    u"Stelle des Zeichenfeldes. Das Symbol bleibt dort",
    u"stehen, wenn Sie die Taste loslassen. Auf die gleiche",
    u"Weise setzen Sie das Augensymbol. Es kennzeichnet das",
    u"gewählte Teilbündel und die Blickrichtung des Auges;",
    u"das Auge dreht sich dabei von selbst in Richtung des",
    u"zuvor markierten Bildpunktes. So können Sie für",
    u"verschiedene Teilbündel nacheinander festhalten, wo das",
    u"Auge den Punkt P jeweils sieht.",
};

constexpr std::u16string_view kPrintingRays[] = {
    u"Mit der Schaltfläche „Drucken“ erhalten Sie einen",
    u"Ausdruck des aktuellen Zeichenfeldes in hoher",
    u"Auflösung, zum Beispiel als Vorlage für eine Overhead-",
    u"folie. Wählen Sie dazu in den Druckereinstellungen das",
    u"Hochformat, und probieren Sie die übrigen Einstellungen",
    u"aus, bis Sie das beste Ergebnis erhalten. Der Aufbau",
    u"des Bildes dauert eine Weile; bitte warten Sie, bis der",
    u"Drucker anläuft.",
};

// Both views.

constexpr std::u16string_view kSaving[] = {
    u"Über eine Schaltfläche können Sie das Bild in einer",
    u"Datei speichern. Ohne Ordner vor dem Namen kommt sie",
    u"auf den Desktop (fehlt er, in Ihren persönlichen Ord-",
    u"ner), ebenso mit einem Ordner ohne / davor. Die En-",
    u"dung wählt das Format: .png, .jpg oder .jpeg, sonst",
    u"Bitmap. Eine vorhandene Datei wird erst nach Rückfrage",
    u"ersetzt. Strg+C kopiert das Bild in die Zwischenablage.",
};

// Imaging view.

constexpr std::u16string_view kSinglePoints[] = {
    u"Der abzubildende Objektpunkt P liegt in der unteren",
    u"Hälfte des Zeichenfeldes; dort verschieben Sie ihn mit",
    u"der rechten Maustaste oder dem Finger. Das Auge",
    u"befindet sich in der oberen Hälfte. Es wählt aus den",
    u"von P ausgehenden Strahlen ein schmales Bündel aus, das",
    u"nach der Brechung an der Grenzfläche (nahezu)",
    u"homozentrisch bleibt. Das Zentrum dieses Bündels wird",
    u"als Bildpunkt rot markiert.",
};

constexpr std::u16string_view kMovingEye[] = {
    u"Das Auge verschieben Sie, indem Sie es mit gedrückter",
    u"linker Maustaste oder dem Finger oben im Feld ziehen.",
    u"Das abbildende Bündel und der Bildpunkt folgen dabei",
    u"sofort; das Auge blickt stets in Richtung des",
    u"markierten Bildpunktes.",
};

constexpr std::u16string_view kPointRows[] = {
    u"Ist die Option „Punktreihen“ eingeschaltet, so können",
    u"Sie nacheinander bis zu 100 Punkte abbilden lassen;",
    u"ihre Bildpunkte bleiben alle markiert, das abbildende",
    u"Strahlenbündel wird jedoch nur für den zuletzt",
    u"gewählten Punkt gezeichnet. Die Punkte müssen in der",
    u"unteren Hälfte des Zeichenfeldes liegen; Sie setzen sie",
    u"mit der rechten Maustaste oder dem Finger. Verschieben",
    u"Sie anschließend das Auge in der oberen Hälfte, so",
    u"werden die Lagen aller Bildpunkte für die neue",
    u"Augenstellung korrigiert.",
};

constexpr std::u16string_view kGrid[] = {
    u"Die Option „Raster“ blendet „magnetische“ Rasterpunkte",
    u"ein, an denen gesetzte Objektpunkte einrasten. Diese",
    u"erleichtern es, mehrere Objektpunkte genau auf einer",
    u"Geraden anzuordnen. So lässt sich untersuchen, wie",
    u"gerade Kanten durch die Abbildung verformt werden.",
};

// The last line holds only the word that ends the sentence on printers;
// the section's closing line of blanks follows it.
constexpr std::u16string_view kPrintingImage[] = {
    u"Das aktuelle Bild lässt sich in hoher Auflösung",
    u"drucken. Wählen Sie dazu in den Druckereinstellungen",
    u"die Option Hochformat, und probieren Sie die übrigen",
    u"Einstellungen aus. Die einzelnen Drucker unterscheiden",
    u"sich in der Wiedergabe gepunkteter und schattierter",
    u"Linien.",
};

constexpr std::array kRayPathSections = {
    Section{u"Allgemeines", kGeneral},
    Section{u"Bewegen des Objektpunktes P, Ändern der Brechzahl   ", kMovingP},
    Section{u"Starten von Lichtstrahlen    ", kStartingRays},
    Section{u"Markieren von Bildpunkten und Augen ", kMarking},
    Section{u"Drucken   ", kPrintingRays},
    Section{u"Speichern des Bildes in einer Datei  ", kSaving},
};

constexpr std::array kImagingSections = {
    Section{u"Abbildung einzelner Punkte   ", kSinglePoints},
    Section{u"Bewegen des Auges   ", kMovingEye},
    Section{u"Abbildung von Punktreihen   ", kPointRows},
    Section{u"Punktraster   ", kGrid},
    Section{u"Drucken   ", kPrintingImage, Closing::Blanks},
    Section{u"Speichern des Bildes in einer Datei  ", kSaving},
};

constexpr bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Every heading starts in the first column; every body line has text right
// after its indent, fits the line length and does not end in a blank.
template <std::size_t N>
constexpr bool wellFormed(const std::array<Section, N> &sections)
{
    for (const Section &s : sections) {
        if (s.heading.empty() || isBlank(s.heading.front()) || s.body.empty())
            return false;
        for (std::u16string_view line : s.body) {
            if (line.empty() || isBlank(line.front()) || isBlank(line.back()))
                return false;
            if (kIndent.size() + line.size() > std::size_t(kMaxLineLength))
                return false;
        }
    }
    return true;
}

static_assert(wellFormed(kRayPathSections));
static_assert(wellFormed(kImagingSections));

QStringView view(std::u16string_view s)
{
    return QStringView(s.data(), qsizetype(s.size()));
}

template <std::size_t N>
QString compose(const std::array<Section, N> &sections)
{
    const QStringView crlf = u"\r\n";
    QString text;
    text += crlf;
    for (const Section &s : sections) {
        text += view(s.heading);
        text += crlf;
        for (std::u16string_view line : s.body) {
            text += view(kIndent);
            text += view(line);
            text += crlf;
        }
        if (s.closing == Closing::Blanks)
            text += view(kIndent);
        text += crlf;
    }
    return text;
}

}  // namespace

QString helpText(HelpTopic topic)
{
    return topic == HelpTopic::RayPath ? compose(kRayPathSections) : compose(kImagingSections);
}

}  // namespace help
