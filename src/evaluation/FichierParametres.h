#pragma once
// Reading the stored parameters of the three configurable systems: 78 lines, one block of 26 lines per system
// (SEF, Personnel A, Personnel B), the count character then the 25 row values, one value per line.

#include "evaluation/FonctionsOrlune.h"

#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>

namespace vasterel {

constexpr const char *NomFichierParametres = "ParametresDesComptesDePoints.txt";
constexpr int LignesParBloc = 1 + NbLignesParametres;
constexpr int LignesFichierParametres = 3 * LignesParBloc;

// A file that cannot be read or does not hold the expected values; what() names the file and the line.
struct ErreurFichierParametres : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The per-user data directory: $appData or $APPDATA when set, else $XDG_DATA_HOME, else $HOME/.local/share,
// followed by Evaluation_des_mains. Empty when none of these variables is set.
std::filesystem::path RepertoireDonnees();

// Reads and checks the whole text; nothing is returned unless every line is valid. Decimal numbers take a
// point or a comma, so files written under either regional setting read the same. Lines may end in CR LF.
TableBornee<TCompte, 1, 3> LitParametresDesComptesDePoints(std::istream &in, const std::string &nom);

// Replaces ComptePoints[1..3] by the values of the file, or throws and leaves them all unchanged.
void ChargeParametresDesComptesDePoints(const std::filesystem::path &fichier);

} // namespace vasterel
