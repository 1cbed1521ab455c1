#include "runs/Commandes.h"

namespace vasterel {

std::filesystem::path AdresseParametres;

void Demarrage(FrontEnd &) {}
void Evaluer(FrontEnd &, const OptionsEvaluation &) {}
void AfficheValeurs(FrontEnd &) {}
void ComparaisonSystemes(FrontEnd &) {}
void TableauEncheres(FrontEnd &) {}
void EnregistreVasterel(FrontEnd &) {}

} // namespace vasterel
