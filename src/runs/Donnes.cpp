#include "runs/Donnes.h"

#include "evaluation/FonctionsOrlune.h"
#include "solver/Echange.h"

#include <algorithm>

namespace vasterel {

TCarreWord GenerateurDonnes::Donne() {
    TCarreWord main{};
    TableBornee<uint16_t, 1, 4> distribuees{};
    for (int siege = 1; siege <= 4; ++siege) {
        for (int cartes = 0; cartes < 13;) {
            const uint32_t k = Tirage(52);
            const int couleur = static_cast<int>(k / 13) + 1;
            const auto bit = static_cast<uint16_t>(PW[static_cast<int>(k % 13)]);
            if (distribuees[couleur] & bit) continue;
            distribuees[couleur] |= bit;
            main[siege][couleur] |= bit;
            ++cartes;
        }
    }
    return main;
}

std::vector<Observation> AnalyseDonne(const TCarreWord &donne, char lettreLigne1, char lettreLigne2,
                                      SolveurDM &solveur) {
    const char lettres[3] = {'\0', lettreLigne1, lettreLigne2};
    int longueur[5][5] = {};
    for (int siege = 1; siege <= 4; ++siege)
        for (int s = 1; s <= 4; ++s)
            longueur[siege][s] = NumberOnes[donne[siege][s]];

    // Support points of both hands of each eight-card fit; the line total is kept within 50.
    bool fit[3][5] = {};
    int PS[5][5] = {};
    for (int s = 1; s <= 4; ++s) {
        for (int ligne = 1; ligne <= 2; ++ligne) {
            const int f = ligne, g = Part[ligne];
            if (longueur[f][s] + longueur[g][s] < 8) continue;
            fit[ligne][s] = true;
            PS[f][s] = FO_CalculPS(donne[f], 0, s, f, f, lettres[ligne], 1, 8 - longueur[f][s]);
            PS[g][s] = FO_CalculPS(donne[g], 0, s, g, g, lettres[ligne], 1, longueur[f][s]);
            if (PS[f][s] + PS[g][s] > PointsMax) PS[f][s] = PointsMax - PS[g][s];
        }
    }

    std::vector<Observation> observations;
    for (int ligne = 1; ligne <= 2; ++ligne) {
        for (int s = 1; s <= 4; ++s) {
            if (!fit[ligne][s]) continue;
            const int controles = FO_ControlesLigne(donne, s, ligne);
            // Seat 1 declares for line 1, seat 2 for line 2.
            const int levees = LeveesDuDeclarant(solveur, donne, ligne, s);
            const int categorie = controles == ControlesCPT   ? CategoriePS_CPT
                                  : controles == ControlesCST ? CategoriePS_CST
                                                              : CategoriePS_NC;
            const int points = PS[Part[ligne]][s] + PS[ligne][s];
            observations.push_back({categorie, points, levees});
            observations.push_back({CategoriePS_Total, points, levees});
        }
    }

    int PHo[5] = {}, PHL[5] = {};
    for (const int siege : {1, 3}) {
        PHL[siege] = std::min(FO_CalculPoints(donne[siege], siege, siege, PHo[siege], lettres[1]), PointsMax);
    }
    const int levees = LeveesDuDeclarant(solveur, donne, 1, SansAtout);
    // Each hand is capped at 50 but two hands can exceed it together; no row beyond 50 exists.
    observations.push_back({CategoriePHo, std::min(PHo[3] + PHo[1], PointsMax), levees});
    observations.push_back({CategoriePHl, std::min(PHL[3] + PHL[1], PointsMax), levees});
    return observations;
}

} // namespace vasterel

#include "solver/SolveurDM.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace vasterel {

bool AnalyseDonnes(
    long N, char lettreLigne1, char lettreLigne2, unsigned threads,
    const std::function<bool(long, const TCarreWord &, const std::vector<Observation> &)> &recoit,
    const std::function<bool()> &annule) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<long>(threads, std::max(1L, N)));

    struct Analyse {
        TCarreWord donne;
        std::vector<Observation> observations;
    };
    GenerateurDonnes generateur;
    std::mutex verrou;
    std::condition_variable pret;
    long prochaine = 1;
    bool arret = false;
    std::map<long, Analyse> analyses; // solved, not yet handed over

    // Each thread takes the next deal of the sequence under the lock, so deal u is the u-th deal whatever
    // the timing, and solves it with a solver of its own.
    const auto travailleur = [&] {
        SolveurDM solveur;
        for (;;) {
            long u;
            TCarreWord donne;
            {
                std::lock_guard<std::mutex> l(verrou);
                if (arret || prochaine > N) return;
                u = prochaine++;
                donne = generateur.Donne();
            }
            auto observations = AnalyseDonne(donne, lettreLigne1, lettreLigne2, solveur);
            {
                std::lock_guard<std::mutex> l(verrou);
                analyses.emplace(u, Analyse{donne, std::move(observations)});
            }
            pret.notify_all();
        }
    };
    std::vector<std::thread> equipe;
    for (unsigned i = 0; i < threads; ++i)
        equipe.emplace_back(travailleur);

    bool complet = true;
    for (long u = 1; u <= N && complet; ++u) {
        Analyse a;
        {
            std::unique_lock<std::mutex> l(verrou);
            while (!analyses.count(u)) {
                pret.wait_for(l, std::chrono::milliseconds(100));
                if (!analyses.count(u) && annule && annule()) break;
            }
            auto it = analyses.find(u);
            if (it == analyses.end()) {
                complet = false;
                break;
            }
            a = std::move(it->second);
            analyses.erase(it);
        }
        complet = recoit(u, a.donne, a.observations);
    }
    {
        std::lock_guard<std::mutex> l(verrou);
        arret = true;
    }
    for (auto &t : equipe)
        t.join();
    return complet;
}

} // namespace vasterel
