#include "ui/Apparence.h"

#include "hand/VariablesGlobales.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

static void InitialiseRessources() {
    Q_INIT_RESOURCE(icones);
}

namespace vasterel::ui {

namespace {

constexpr int PlusPetitePolice = 6;

const char *const Federale = "Tahoma";

// The smallest font of the family, from police down, with which fits(font) holds.
template <class Tient> QFont Ajuste(QFont police, Tient tient) {
    while (police.pixelSize() > PlusPetitePolice && !tient(police))
        police.setPixelSize(police.pixelSize() - 1);
    return police;
}

} // namespace

void InstallePolices() {
    InitialiseRessources();
    // Narrow faces first: the layout was drawn for a narrow sans-serif.
    QFont::insertSubstitutions(Federale, {"DejaVu Sans Condensed", "Liberation Sans Narrow", "Arial",
                                          "DejaVu Sans", "Liberation Sans"});
    QStringList fixes{"Lucida Console", "DejaVu Sans Mono", "Liberation Mono", "Courier New"};
    fixes << QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QFont::insertSubstitutions(PoliceFixe, fixes);
}

const char *const PoliceFixe = "lucida console";

QFont PoliceFenetre(int pixels) {
    QFont f(PoliceFederale.empty() ? QString(Federale) : QString::fromStdString(PoliceFederale));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    return f;
}

QFont PoliceRapports(int pixels) {
    QFont f(PoliceFixe);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(pixels);
    return f;
}

void AjustePolice(QWidget *w, QFont police) {
    w->setFont(Ajuste(police, [w](const QFont &f) {
        w->setFont(f);
        // A button's own padding may eat into its height; only the text's line has to fit.
        return w->sizeHint().width() <= w->width() && QFontMetrics(f).height() <= w->height();
    }));
}

void AjustePoliceListe(QListWidget *liste, QFont police) {
    liste->setFont(Ajuste(police, [liste](const QFont &f) {
        liste->setFont(f);
        const QSize vue = liste->maximumViewportSize();
        int hauteur = 0;
        for (int i = 0; i < liste->count(); ++i)
            hauteur += liste->sizeHintForRow(i);
        return liste->sizeHintForColumn(0) <= vue.width() && hauteur <= vue.height();
    }));
}

void AjustePoliceListe(QComboBox *liste, QFont police) {
    liste->setFont(Ajuste(police, [liste](const QFont &f) {
        liste->setFont(f);
        return liste->minimumSizeHint().width() <= liste->width();
    }));
}

QIcon Icone(const char *nom) {
    QSvgRenderer dessin(QString(":/icones/%1.svg").arg(nom));
    QIcon icone;
    if (!dessin.isValid()) return icone;
    const QSize base = dessin.defaultSize();
    for (int cote : {16, 24, 32, 48, 64, 96}) {
        QPixmap image(base.scaled(cote, cote, Qt::KeepAspectRatio));
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        dessin.render(&peintre);
        peintre.end();
        icone.addPixmap(image);
    }
    return icone;
}

} // namespace vasterel::ui
