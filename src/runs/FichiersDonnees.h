#pragma once
// The two stored files of the data directory: the parameters of the three configurable systems and the stored
// evaluations of the six systems, one value per line, no header.
//
// Readers check the whole text before anything changes, so a bad file keeps every previous value; they take a
// point or a comma as decimal separator and lines ending in CR LF. Writers go through a temporary file
// renamed over the old one, so a failed save leaves the previous file whole.

#include "evaluation/FonctionsOrlune.h"
#include "runs/Statistiques.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

namespace vasterel {

constexpr const char *NomFichierParametres = "ParametresDesComptesDePoints.txt";
constexpr const char *NomFichierValeurs = "ValeursDesComptesDePoints.txt";
constexpr int LignesParBloc = 1 + NbLignesParametres;
constexpr int LignesFichierParametres = 3 * LignesParBloc;
// Per system: the sample size, then per category 14 x 2 per-trick lines and 51 x 17 per-points lines.
constexpr int LignesParCategorie = 14 * 2 + 51 * 17;
constexpr int LignesParSysteme = 1 + NbCategories * LignesParCategorie;
constexpr int LignesFichierValeurs = NbSystemes * LignesParSysteme;

// A file that cannot be read, written or does not hold the expected values; what() names the file and, for
// a bad value, the line.
struct ErreurFichierDonnees : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The per-user data directory: $appData or $APPDATA when set, else $XDG_DATA_HOME, else $HOME/.local/share,
// followed by Evaluation_des_mains. Empty when none of these variables is set.
std::filesystem::path RepertoireDonnees();

// The decimal separator of the user's regional settings, '.' when they cannot be read.
char SeparateurDecimalUtilisateur();
// The shortest plain text that reads back to the same float, with the given separator.
std::string TexteDecimal(float valeur, char separateur);

TableBornee<TCompte, 1, 3> LitParametresDesComptesDePoints(std::istream &in, const std::string &nom);
void EcritParametresDesComptesDePoints(std::ostream &out, const TableBornee<TCompte, 1, 3> &comptes,
                                       char separateur);
TVCP LitValeursDesComptesDePoints(std::istream &in, const std::string &nom);
void EcritValeursDesComptesDePoints(std::ostream &out, const TVCP &vcp, char separateur);

// Replace ComptePoints[1..3] or VCP by the values of the file, or throw and leave them unchanged.
void ChargeParametresDesComptesDePoints(const std::filesystem::path &fichier);
void ChargeValeursDesComptesDePoints(const std::filesystem::path &fichier);

// Write the whole file from ComptePoints[1..3] or VCP, replacing the old one only once the new one is
// complete; throw on failure.
void EnregistreParametresDesComptesDePoints(const std::filesystem::path &fichier);
void EnregistreValeursPoints(const std::filesystem::path &fichier);

} // namespace vasterel
