#pragma once
// The exact double-dummy solver. One SolveurDM object holds all the working state of a request (hands in
// play, search cursor, move memories, transposition table), so several objects may solve on several
// threads at once; the start-up tables they read are shared and immutable.

#include "hand/VariablesGlobales.h"
#include "solver/TablesSolveur.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vasterel {
struct SolveurDMMemoires;
}

namespace vasterel {

// Pool indices stand for the pointers of a linked structure; -1 is nil. Indices, unlike pointers, stay valid
// when a pool grows.
using CGN = int32_t;
using EPN = int32_t;
constexpr int32_t Nil = -1;

// One candidate move: a group of equivalent cards of one player, from Carte down to ExAequo.
struct TListeC {
    int32_t Couleur = 0;
    int32_t Carte = -1; // -1 ends the list
    uint8_t ExAequo = 0;
    int32_t Sequence = -1;
    int32_t Poids = 0;
    int32_t Gain = 0; // fourth card of an early trick: seat that wins the trick with it
    int32_t CWR = 0;  // same case: ply of the winning card when its rank was contested, else 0
    EPN PEP = Nil;    // same case: a table entry that settles the position after the trick
};
using TListeCoups = TableBornee<TListeC, 1, 14>;

// One position of the current line. Valeur is seen from the side of Entameur: 1 when it reaches Target.
struct Noeud {
    int8_t Valeur = 0;
    int8_t ValeurLocale = 0;
    int8_t Cardinal = 0;
    int8_t Niveau = 0;
    int8_t Main = 0;
    int8_t Carte = 0;
    int8_t Couleur = 0;
    int32_t Coupe = 0;  // the player who chose this card reached his goal: no sibling needs trying
    int32_t Table = 0;  // settled by counting, by the last trick or by a table bound
    int32_t Target = 0; // settled by a quick-trick estimate
    int8_t NumeroDuFils = 1;
    TListeCoups OrdreDesCoups;
    // Per suit, the lowest rank whose place mattered for the value found so far; 13 = none.
    TableBornee<int8_t, 1, 4> LowestBound{};
    TableBornee<uint32_t, 1, 4> UnderLB{}; // ranks already tried from this node, for pruning
    Noeud *FilsAine = nullptr;
    Noeud *Pere = nullptr;
};
using Node = Noeud *;

// Stored result of one transposition-table path: bounds on the tricks the side of Entameur still takes.
struct TTEPN {
    uint8_t MinBorne = 0;
    uint8_t MaxBorne = 15;
    TableBornee<int8_t, 1, 4> LowestBound{}; // relative ranks: 1 = highest card left, 0 = none mattered
    TableBornee<int8_t, 1, 2> BestMove{};    // suit, rank of the lead that reached the goal; suit 0 = none
};

// One node of the per-position trie, a level per suit (4 down to 1): the owners of the top cards that
// mattered. Masque = 0xFFFFFFFF marks a node not yet filled. A suit-1 node carries its path's entry in
// place, which spares the walk one memory access per entry; EPN is then the index of that node.
struct TTCGN {
    uint32_t Masque = 0xFFFFFFFFu;
    uint32_t PRO = 0;
    CGN FilsAine = Nil;
    CGN FrereDroit = Nil;
    int8_t Suit = 0;
    bool AEntree = false;
    TTEPN Entree;
};

// Open-addressing map from (seat on lead, trick, position key) to the position's index in the table.
class IndexPositions {
  public:
    int32_t Cherche(int64_t cle, int emplacement) const;
    void Ajoute(int64_t cle, int emplacement, int32_t valeur);
    void Vide();

  private:
    struct Case {
        int64_t cle = 0;
        int32_t valeur = Nil;
        int32_t emplacement = 0;
    };
    size_t Depart(int64_t cle, int emplacement) const;
    std::vector<Case> cases_ = std::vector<Case>(1 << 12);
    size_t occupees_ = 0;
};

class SolveurDM {
  public:
    SolveurDM();
    ~SolveurDM();
    SolveurDM(const SolveurDM &) = delete;
    SolveurDM &operator=(const SolveurDM &) = delete;

    // Answers the request into resultat; Score[1] = -1 when the request is inconsistent.
    void Resoudre(const TDonne &donne, TFutursPlis &resultat);

    // Search nodes visited since construction or the last RemiseAZeroNoeuds: the benchmark's signal.
    uint64_t Noeuds() const { return compteNoeuds_; }
    void RemiseAZeroNoeuds() { compteNoeuds_ = 0; }

  private:
    using Memoires = struct SolveurDMMemoires;

    // Entry and set-up.
    bool FaireLesPilesDeCartes();
    bool VerifieMains() const;
    void InitOwners();
    void InitialiseBestMoves();
    void FaitRacine(Node R);
    int ChercheCible() const;
    void DernierPli();

    // Search.
    void Arbre(Node R);
    void AlphaBeta(Node N, int V);
    void CreeNoeud(Node N, Node R, int J);
    void AnnuleNoeud(Node N);
    void ListeCartesFils(Node R);
    void JoueCarte(int J, const TListeC &L);
    void CarteFils(Node R, int J);
    int CarteFrere(Node P);
    void ValeurDuNoeud(Node N, const TListeC &L);
    void DerniereLevee(Node N, int Retour);
    // Plays out a trick in which every seat holds one card, L leading; returns the winner, with the winning
    // suit and the rank that mattered (13 = none).
    int JoueDernierPli(int L, int &couleurGagnante, int &W) const;
    int TrickWinner(int Coul, int Carte, int &WR) const;
    void FaitPosition(int J, int Coul, int Mode);

    // Transposition table.
    void InitialiserTTDM();
    void DisposeTTDM();
    int32_t CherchePos(int64_t P, int main, int pli) const;
    int32_t CreeNoeudPos(int64_t P, int main, int pli);
    void FaitTT(Node N);
    void AjouteCGR(int32_t T, Node N);
    CGN CreeCGN();
    void UpdateBounds(Node N, EPN EP);
    void VerifieTT(Node N);
    void ChercheEP(Node N, int32_t T);
    int CheckBounds(Node N, EPN EP);
    void VerifieTTImmediat(TListeC &L, int VL);
    EPN ChercheEPImmediat(int VL, int32_t T, const TListeC &L);
    int CheckBoundsImmediat(EPN EP, int VL) const;
    template <typename Decide>
    EPN ParcourtTrie(int32_t T, const TableBornee<uint32_t, 1, 4> &PLong, Decide decide);

    // Move generation and ordering.
    void MoveOrdering(int VL, TListeCoups &Liste);
    void GroupeCouleur(TListeCoups &Liste, int &n, int couleur, uint32_t m, uint32_t cs, bool entame,
                       bool suite);
    static void TrieListe(TListeCoups &Liste, int n);
    void EtudeEntameLevee();
    int WinTrick() const;

    // Move weights: a bridge judgement of each candidate move; they order the search, never change its
    // value. They write the one-card mask (C1..C4) of the card weighed at its place in the trick.
    int AllouePoidsSA(int Couleur, int Carte, int ExAequo, int Sequence);
    int AllouePoidsAA(int Couleur, int Carte, int Sequence);
    int PoidsEntameSA(int Couleur, int Carte, int Sequence);
    int PoidsEntameAtout(int Couleur, int Carte, int Sequence);
    bool PerdLevee(int Couleur, int Carte) const;
    // The card that last produced a cut-off at this ply (the killer move).
    bool EstCoupTueur(int Couleur, int Carte) const {
        return BestMove[1][PP] == Couleur && BestMove[2][PP] == Carte;
    }
    int CouleurFournie2(int Couleur, int Carte, uint32_t CM, bool atout) const;
    int CouleurFournie2SA(int Couleur, int Carte, uint32_t CM) const {
        return CouleurFournie2(Couleur, Carte, CM, false);
    }
    int CouleurFournie2A(int Couleur, int Carte, uint32_t CM) const {
        return CouleurFournie2(Couleur, Carte, CM, true);
    }
    int CouleurFournie3(int Couleur, int Carte, uint32_t CM) const;
    int CouleurFournie4(int Couleur, int Carte, uint32_t CM) const;
    int ButtomExaequo(int J, int Couleur, int Carte) const;

    // Quick tricks: hooks of the search that settle nodes early.
    void PlisImmediatsSA(Node N);
    void PlisImmediatsAtout(Node N);
    void PlisImmediatsAdversaireSA(Node N);
    void PlisImmediatsAdversaireAtout(Node N);

    // Request.
    const TDonne *donne_ = nullptr;

    // Per-request state.
    int Atout = 0;
    int Entameur = 1;
    TableBornee<TableBornee<uint32_t, 1, 4>, 1, 4> MainsDM{};           // [seat][suit]
    TableBornee<TableBornee<uint32_t, 0, 13>, 1, 4> CouleurEnMainSDM{}; // [suit][trick]
    int NombreDeCartesEnJeu = 0;
    int NLevees = 0;
    int Seuil = 0;
    int SeuilTTPost = 0;
    int RangDebut = 1;
    int64_t PositionCourante = 0;
    uint32_t Levees = 0;
    int Target = 0;
    int PP = 0, PPRang = 0, NPli = 0, SOne = 0;
    int TKCP = 0;
    TableBornee<int32_t, 0, 53> Card{}, EX{}, SQ{};
    TableBornee<int32_t, 0, 14> CouleurRequise{};
    TableBornee<int32_t, 0, 14> WinPP{};
    TableBornee<int32_t, 1, 4> MiniA{};

    // Lead and follow context of the move ordering, read by the weights.
    TableBornee<uint32_t, 1, 4> CMC1{}, CMC2{}, CMC3{}, CMC4{};
    TableBornee<int32_t, 1, 4> LMC1{}, LMC2{}, LMC3{}, LMC4{};
    TableBornee<int32_t, 1, 4> SWD{};
    int Depth = 0;
    uint32_t CM1 = 0, CM2 = 0, CM3 = 0, CM4 = 0;
    int LM1 = 0, LM2 = 0, LM3 = 0, LM4 = 0;
    uint32_t C1 = 0, C2 = 0, C3 = 0, C4 = 0;
    int CC1 = 0, CC2 = 0, CC3 = 0;
    uint32_t CMA1 = 0, CMA2 = 0, CMA3 = 0, CMA4 = 0;
    int LMA1 = 0, LMA2 = 0, LMA3 = 0, LMA4 = 0;
    int LastCJ = 0;

    // Killer moves: [1 = suit, 2 = rank][ply].
    TableBornee<TableBornee<int32_t, 0, 49>, 1, 2> BestMove{};
    std::unique_ptr<Memoires> mem_; // owners, leaders and the three move memories: large, so on the heap

    // The nodes of the current line: index 0 is the root's scratch parent, index p + 1 the node of ply p.
    std::vector<Noeud> ligne_;

    // Transposition table: the positions met, each with the head of its trie; tries grow in a pool during a
    // request.
    IndexPositions positions_;
    std::vector<CGN> racines_; // RacineCGR of each position
    std::vector<TTCGN> cgn_;

    uint64_t compteNoeuds_ = 0;
};

} // namespace vasterel
