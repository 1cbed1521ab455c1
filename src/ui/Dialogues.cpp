#include "ui/Dialogues.h"

#include "ui/Textes.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vasterel::ui {

std::string DialoguesQt::Demande(const std::string &titre, const std::string &question,
                                 const std::string &defaut) {
    bool ok = false;
    const QString texte =
        QInputDialog::getText(parent_, QString::fromStdString(titre), QString::fromStdString(question),
                              QLineEdit::Normal, QString::fromStdString(defaut), &ok);
    return ok ? texte.toStdString() : defaut;
}

void DialoguesQt::Message(const std::string &texte) {
    QMessageBox::information(parent_, QString::fromUtf8(TitreFenetre), QString::fromStdString(texte));
}

bool DialoguesQt::Confirme(const std::string &titre, const std::string &texte) {
    return QMessageBox::question(parent_, QString::fromStdString(titre), QString::fromStdString(texte),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

} // namespace vasterel::ui
