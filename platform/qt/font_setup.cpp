#include "platform/qt/font_setup.h"

#include <QApplication>
#include <QString>
#include <QStringList>

namespace tarvix {
namespace {

// Substitutes only stand in when the face itself is missing. Asking the font database whether
// it is would make it enumerate every installed font at start-up, which costs more than the
// whole window.
void SubstituteWhenMissing(const QString& face, const QStringList& similar) {
    QFont::insertSubstitutions(face, similar);
}

}  // namespace

void PrepareFonts() {
    // Where the Windows faces are missing, installed faces of similar width stand in. (Wine's own
    // Tahoma was tried: its bold is barely bolder and its slash is spaced like a blank.) Tahoma
    // bold is about as wide as a condensed humanist sans; Verdana is a wide one, like DejaVu Sans,
    // which descends from the same design brief.
    SubstituteWhenMissing("Tahoma", {"DejaVu Sans Condensed", "Liberation Sans Narrow",
                                     "Nimbus Sans Narrow", "Arial", "Liberation Sans"});
    SubstituteWhenMissing("Verdana", {"DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans",
                                      "Arial", "Nimbus Sans"});
}

int PixelsForPoints(int points) {
    return (points * 96 + 36) / 72;
}

QFont ControlFont(const FontSpec& def) {
    if (def.face.empty() && def.points <= 0) return QApplication::font();
    QFont font = QApplication::font();
    if (!def.face.empty()) font.setFamily(QString::fromStdString(def.face));
    if (def.points > 0) font.setPixelSize(PixelsForPoints(def.points));
    font.setWeight(static_cast<QFont::Weight>(def.weight));
    return font;
}

}  // namespace tarvix
