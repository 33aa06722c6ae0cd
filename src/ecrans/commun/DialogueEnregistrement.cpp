#include "ecrans/commun/DialogueEnregistrement.h"

#include "logique/base/FormatFr.h"
#include "logique/base/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QRegularExpression>

namespace {
// The dates of the dialog's "modified" column in French, whatever the machine's language.
class DatesFrancaises final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        auto* fichiers = qobject_cast<QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && index.column() == 3 && fichiers) {
            const QDateTime moment = fichiers->lastModified(mapToSource(index));
            if (moment.isValid()) return FormatFr::dateHeure(moment).left(16);  // to the minute
        }
        return QIdentityProxyModel::data(index, role);
    }
};
}  // namespace

namespace DialogueEnregistrement {
QString nomPropose(const QString& nom, const QString& extension) {
    QString propre;
    for (const QChar c : nom) {
        if (c == QLatin1Char('"')) propre += QLatin1Char('\'');
        else if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?<>|").contains(c)) propre += QLatin1Char(' ');
        else propre += c;
    }
    propre = propre.simplified();
    while (propre.endsWith(QLatin1Char('.')) || propre.startsWith(QLatin1Char('.'))) {
        propre = propre.endsWith(QLatin1Char('.')) ? propre.chopped(1) : propre.mid(1);
        propre = propre.trimmed();
    }
    if (propre.isEmpty()) propre = QStringLiteral("sans nom");
    return propre + QLatin1Char('.') + extension;
}

QString demande(QWidget* parent, const QString& titre, const QString& nom, const QString& extension, const QString& filtre) {
    QFileDialog dialogue(parent, titre, QDir::homePath(), filtre);
    dialogue.setObjectName(QStringLiteral("DialogueEnregistrement"));
    dialogue.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialogue.setProxyModel(new DatesFrancaises(&dialogue));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setViewMode(QFileDialog::Detail);
    dialogue.setDefaultSuffix(extension);
    dialogue.selectFile(nomPropose(nom, extension));
    while (dialogue.exec() == QDialog::Accepted) {
        const QString chemin = dialogue.selectedFiles().value(0);
        if (chemin.isEmpty()) return {};
        if (!QFileInfo::exists(chemin) ||
            Messages::confirmation(
                QStringLiteral("Le fichier « %1 » existe déjà. Le remplacer ?").arg(QFileInfo(chemin).fileName()),
                QStringLiteral("Enregistrer")))
            return chemin;
    }
    return {};
}

void confirme(const QString& fait, const QString& chemin) {
    Messages::information(QStringLiteral("%1 dans « %2 ».").arg(fait, QDir::toNativeSeparators(chemin)));
}
}  // namespace DialogueEnregistrement
