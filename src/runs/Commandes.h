#pragma once
// The commands of the program, as the window's buttons and the command line run them. Each talks to its user
// only through a FrontEnd, so every front end runs the same code.

#include "hand/VariablesGlobales.h"
#include "runs/FrontEnd.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace vasterel {

// The data directory of the stored files (empty when it cannot be located), set by Demarrage.
extern std::filesystem::path AdresseParametres;

// Start-up: sets the default parameters, locates the data directory, creates it when missing, and loads the
// parameters file and the results file when they exist. A file that does not read keeps every
// previous value; each problem is shown once through fe.Message, naming the file and the line.
void Demarrage(FrontEnd &fe);
// True when the stored file of that name (NomFichierParametres or NomFichierValeurs) was there at start-up
// but did not read; a save keeps such a file aside before replacing it.
bool FichierIllisible(const char *nom);

// One observation of an evaluation run: statistics category 1..6, points of the declaring line 0..50,
// declarer's tricks 0..13.
struct Observation {
    int categorie = 0;
    int points = 0;
    int levees = 0;
};

struct OptionsEvaluation {
    // Solving threads; 0 uses every core. The results do not depend on it.
    unsigned threads = 0;
    // Called once per deal, in deal order, with the deal and its observations in the order they are recorded.
    std::function<void(long numero, const TCarreWord &donne, const std::vector<Observation> &observations)>
        trace;
};

// " Evaluer un système": prompts for the system and the number of deals, runs them, writes the progress and
// final reports and, on confirmation, stores the statistics and rewrites the results file.
void Evaluer(FrontEnd &fe, const OptionsEvaluation &options = {});
// " Valeurs d'un système": the stored chances of one system.
void AfficheValeurs(FrontEnd &fe);
// " Comparaison des systèmes": the six stored systems side by side.
void ComparaisonSystemes(FrontEnd &fe);
// " Bornes des surenchères": the overbid break-even table.
void TableauEncheres(FrontEnd &fe);
// " Enregistrer les modifications": asks for confirmation, then writes the parameters file.
void EnregistreVasterel(FrontEnd &fe);

} // namespace vasterel
