// The texts are shown exactly as written here, leading blanks included: the lines of the introduction are
// the program's own, the help is written for this program and points to its README for the web site and
// the contact.

#include "ui/Textes.h"

namespace vasterel::ui {

const char *const TitreFenetre = "Choix et évaluation des paramètres de calcul des points";

std::vector<std::string> TexteIntroduction(bool anglais) {
    if (anglais)
        return {
            "  You can value six systems of points count with a number of random deals that you choose. "
            "(Beyond 100 000 deals there is no more improvement of results.)",
            "  Each deal is analysed by a double dummy solver written by the author, it is used here in its "
            "single-thread verson. Its compute the values of NT contrats and suit contrats when there is a "
            "fit "
            "of almost 8 cards in the pair.",
            "  For the suit contracts the results distinguish the deals according to they possess all "
            "controls "
            "of first round, or second round or no.",
            "",
            "  These six systems are:",
            "",
            "  1. SEF",
            "  2. Personal A",
            "  3. Personal B",
            "  4. Zar",
            "  5. Kaplan-Rubens (also called CCCC *)",
            "  6. Charles-Gigault",
            "",
            "  The last three ones are described in the bridge literature and easy to consult.",
            "  You can freely modify the SEF and build and test personal systems.",
            "",
            " At the beginning your files are void and you have no data. You will save them as things "
            "progress "
            "in creating new samples.",
            " Lexicon : HCP (high cards points); HLP (HCP + length points); SP (support points)",
            "",
            "* Caution Complex Computer Count",
            "  Published in BridgeWorld in 1982.",
        };
    return {
        "  Vous pouvez évaluer six systèmes de compte de points différents sur un nombre convenu de donnes "
        "aléatoires. Notez qu'au-delà de 100 000 donnes il n'y a plus d'amélioration significative des "
        "résultats.",
        "  Chaque donne générée est analysée par un solveur double mort conçu par l'auteur, qui retient les "
        "valeurs des contrats à SA et à la couleur lorsqu'il y a un fit d'au moins 8 cartes dans la ligne.",
        "  Pour les contrats à la couleur les résultats tiennent compte des contrôles de premier et second "
        "tour "
        "possédés par la ligne. En effet, les contrôles et les As jouent un rôle déterminant que les comptes "
        "de "
        "points ne peuvent appréhender correctement.",
        "",
        "  Ces six systèmes sont:",
        "  1. SEF",
        "  2. Personnel A",
        "  3. Personnel B",
        "  4. Zar",
        "  5. Kaplan-Rubens (appelé aussi CCCC *)",
        "  6. Charles-Gigault",
        "",
        "  Les trois derniers sont décrits dans la littérature et faciles à consulter. Vous pouvez modifier "
        "et "
        "tester le SEF à votre convenance et construire librement des systèmes personnels.",
        "  Au début vos fichiers sont vides et vous n'avez pas de données, vous les enregistrerez au fur et "
        "à "
        "mesure que vous les créerez.",
        "  Lexique : PHO (points d'honneurs); PHL (points d'honneurs et de longueur); PHS (points d'honneurs "
        "et "
        "de soutien)",
        "",
        "* Caution Complex Computer Count",
        "  Publié dans le BridgeWorld en 1982.",
    };
}

std::vector<std::string> TexteAide(bool anglais) {
    if (anglais)
        return {
            "",
            " With this software you can :",
            " ",
            " 1. Display the % of success needed to bid one level higher in a non-competitive auction. The "
            "steps from a part-score to a higher part-score and beyond the major game are shown as well, "
            "although bidding them gains nothing.",
            " 2. Value a point-count system: the mean number of points with which a contract is made exactly "
            "and, above all, its standard deviation. Remember that 68% of the deals lie between -1 and +1 "
            "standard deviation around the mean.",
            " 3. Build and value your own SPC.",
            "",
            " The list of parameters provides HPC according two methods : Milton Work and Zar.",
            " The upper part of the table builds the hand points: 8 positive indicators (honour sequences, "
            "aces, tens and nines, length, two-suiters) and 3 negative ones (short honours, no ace, suits of "
            "three immediate losers) are added to the high-card points.",
            " The lower part builds the support points, counted once a fit is found: indicators of "
            "distribution (voids, singletons, doubletons) and of the quality of the fit (its length, flat "
            "hands, a fit without honour).",
            " ",
            " Six systems can be valued: SEF, Personal A, Personal B, Zar, Kaplan-Rubens and "
            "Charles-Gigault.",
            " The first three are set with the list of parameters and can be changed at will; the other "
            "three "
            "are fixed.",
            " Zar, Kaplan-Rubens and Charles-Gigault are described in the bridge literature.",
            " ",
            " The usual literature on point counts is seldom precise: values of honours and of distribution "
            "are given without any measure of their accuracy.",
            " Books give a count and the totals needed for each level, but never how often these totals are "
            "right.",
            " The same feature of a hand is often counted twice, as length and as shortness, and the authors "
            "do not agree on how.",
            " A count whose errors are unknown cannot be compared with another one.",
            " The SEF of this program is a translation into parameters of the French standard count as it is "
            "taught; where the texts were vague, a reading had to be chosen.",
            "",
            " A point count has two functions: 1. inform the partner and describe the hand in a few numbers; "
            "2. take the final decision by norms of success, which only an experimental validation can "
            "justify.",
            "",
            " A system is tested on large samples of random deals, each one solved double dummy: about 20 "
            "000 "
            "deals per hour.",
            " The hands of the declaring line are sorted into three categories:",
            " FRC, for the grand slam: all the first-round controls, with the K and Q of trumps or ten "
            "trumps;",
            " SRC, for the small slam: all the second-round controls, with the K of trumps;",
            " NC: all the others.",
            " A fourth grouping gathers the three categories.",
            " Even below the slam level, aces and controls weigh on the number of tricks more than any point "
            "count admits; the web site of the program tells more about it: see the README of the project.",
            " ",
            " Analyzes provide several tables: ",
            " 1. the means and standard deviations of the points with which a contract is made exactly: for "
            "example 3NT is made exactly with 24,75 points on average;",
            " 2. the mean number of tricks made with a number of points: for example 9,12 tricks;",
            " 3. the percentage of success with a number of points: for example 46% of the deals make 10 "
            "tricks or more with 27 SP_SRC.",
            " The usual rule bids a major game when it makes in 35 to 40% of the deals or more.",
            " You will be able to check if a given system corresponds to the usual norms.",
            "",
            " Every value of a table rests on a number of deals: a value drawn from few deals is not "
            "reliable.",
            " Slams are sometimes made without the controls: the double-dummy solver always finds the best "
            "lead and the best play, which the table does not.",
            "",
            " Your comments are welcome: the contact address is in the README of the project.",
        };
    return {
        "",
        " Avec cette application vous pouvez :",
        " ",
        " 1. Afficher le % de réussite nécessaire pour enchérir un palier plus haut dans une séquence non "
        "compétitive. Les passages d'une partielle à une autre et au-delà de la manche en majeure sont "
        "affichés aussi, bien qu'ils ne rapportent rien.",
        " 2. Evaluer un système de compte de points : la moyenne des points avec lesquels un contrat est "
        "juste "
        "fait et surtout son écart type. Rappelons que 68% des donnes se trouvent entre -1 et +1 écart type "
        "autour de la moyenne.",
        " 3. Construire et évaluer vos propres systèmes.",
        "",
        " La liste des paramètres compte les points d'honneurs selon deux méthodes : Milton Work et Zar.",
        " La partie haute du tableau donne les points de main : 8 indicateurs positifs (séquences "
        "d'honneurs, "
        "As, dix et neuf, longueur, bicolores) et 3 négatifs (honneurs secs, absence d'As, couleurs de trois "
        "perdantes immédiates) s'ajoutent aux points d'honneurs.",
        " La partie basse donne les points de soutien, comptés quand un fit est trouvé : indicateurs de "
        "distribution (chicane, singleton, doubletons) et de qualité du fit (sa longueur), avec trois "
        "dépréciations : fit exact sans honneur, main 4333 et main sans singleton.",
        " ",
        " Six systèmes peuvent être évalués : SEF, Personnel A, Personnel B, Zar, Kaplan-Rubens et "
        "Charles-Gigault.",
        " Les trois premiers se règlent avec la liste des paramètres et se modifient à volonté ; les trois "
        "autres sont fixes.",
        " Zar, Kaplan-Rubens et Charles-Gigault sont décrits dans la littérature du bridge.",
        " ",
        " La littérature courante sur les comptes de points est rarement précise : les valeurs des honneurs "
        "et "
        "de la distribution sont données sans aucune mesure de leur justesse.",
        " Les ouvrages donnent un compte et les totaux nécessaires à chaque palier, jamais la fréquence à "
        "laquelle ces totaux sont justes.",
        " Un même trait de la main est souvent compté deux fois, en longueur et en courte, et les auteurs ne "
        "s'accordent pas sur la manière.",
        " Un compte dont on ignore les erreurs ne peut pas être comparé à un autre.",
        " Le SEF de ce programme est une traduction en paramètres du compte français standard tel qu'il est "
        "enseigné ; là où les textes restaient vagues, il a fallu choisir une lecture.",
        "",
        " Un compte de points a deux fonctions : 1. informer le partenaire en décrivant la main en quelques "
        "nombres ; 2. prendre la décision finale selon des normes de réussite, que seule une validation "
        "expérimentale peut justifier.",
        "",
        " Un système se teste sur de grands échantillons de donnes aléatoires, chacune résolue en double "
        "mort : "
        "environ 20 000 donnes par heure.",
        "",
        " Les mains de la ligne du déclarant sont rangées en trois catégories :",
        " CPT, pour le grand chelem : tous les contrôles de premier tour, avec le R et la D d'atout ou dix "
        "atouts ;",
        " CST, pour le petit chelem : tous les contrôles de second tour, avec le R d'atout ;",
        " NC : toutes les autres.",
        " Un quatrième regroupement réunit les trois catégories.",
        " Même au-dessous du chelem, les As et les contrôles pèsent sur le nombre de levées plus que ne "
        "l'admet un compte de points ; le site web du programme en dit plus : voir le README du projet.",
        " ",
        " Les analyses fournissent plusieurs tableaux : ",
        " 1. les moyennes et écarts types des points avec lesquels un contrat est juste fait : par exemple "
        "3SA est juste fait avec 24,75 points en moyenne ;",
        " 2. le nombre moyen de levées réalisées avec un nombre de points : par exemple 9,12 levées ;",
        " 3. le pourcentage de réussite avec un nombre de points : par exemple 46% des donnes font 10 levées "
        "ou plus avec 27 PS_CST.",
        " La règle usuelle demande la manche en majeure quand elle réussit dans 35 à 40% des donnes ou plus.",
        " Vous pourrez comparer ces pourcentages à ceux qu'affiche la commande « Bornes des surenchères ».",
        "",
        " Chaque valeur d'un tableau repose sur un nombre de donnes : une valeur tirée de peu de donnes "
        "n'est "
        "pas fiable.",
        " Des chelems sont parfois réussis sans les contrôles : le solveur double mort trouve toujours la "
        "meilleure entame et le meilleur jeu, ce que la table ne fait pas.",
        "",
        " Vos remarques sont les bienvenues : l'adresse de contact se trouve dans le README du projet.",
    };
}

const TextesProgression &Progression(bool anglais) {
    static const TextesProgression en{"Deals: ", "time left: ", "Cancel", " Run cancelled: nothing stored."};
    static const TextesProgression fr{"Donnes : ", "temps restant : ", "Annuler",
                                      " Calcul annulé : rien n'a été enregistré."};
    return anglais ? en : fr;
}

} // namespace vasterel::ui
