// The help texts of the two info windows, composed from section tables.
//
// Layout of a composed text: lines end in CR LF and the text opens with an
// empty line. Each section is its heading in the first column, its body lines
// indented by three blanks (at most kMaxLineLength characters in all), and a
// closing line: empty, or three blanks where a section asks for it.
#pragma once

#include <QString>

namespace help {

inline constexpr int kMaxLineLength = 58;

enum class HelpTopic { RayPath, Imaging };

// The help text of a view, composed from its sections.
QString helpText(HelpTopic topic);

}  // namespace help
