#pragma once
// The window's own texts that are not in the legend table: the introduction beside the editor, the help text
// of " Présentation" and the words of the progress bar, in French and in English.

#include <string>
#include <vector>

namespace vasterel::ui {

// The window's title, the same in both languages.
extern const char *const TitreFenetre;

std::vector<std::string> TexteIntroduction(bool anglais);
std::vector<std::string> TexteAide(bool anglais);

struct TextesProgression {
    const char *donnes;  // followed by "done / total"
    const char *reste;   // followed by the time left
    const char *annuler; // the button
    const char *annule;  // the report line of a run cancelled by the user
};
const TextesProgression &Progression(bool anglais);

} // namespace vasterel::ui
