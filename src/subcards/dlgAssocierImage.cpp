#include "subcards/dlgAssocierImage.h"

#include "data/Source.h"
#include "platform/Lecteurs.h"
#include "platform/Sablier.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace {

const char* const Entrees[] = {
    "Jpeg (*.jpg)",
    "Bitmaps (*.bmp)",
    "Gif (*.gif)",
    "Graphic (*.gif;*.jpg;*.bmp)",
    "Tous les fichiers (*.*)",
};

// Whether `dossier` is `place` or lies inside it.
bool dansPlace(const QString& dossier, const QString& place)
{
    if (place == QLatin1String("/"))
        return dossier.startsWith(QLatin1Char('/'));
    return dossier == place || dossier.startsWith(place + QLatin1Char('/'));
}

}  // namespace

QStringList MotifsEntree(const QString& entree)
{
    const qsizetype debut = entree.indexOf(QLatin1Char('('));
    const qsizetype fin = entree.indexOf(QLatin1Char(')'));
    if (debut < 0 || fin <= debut)
        return {};
    return entree.mid(debut + 1, fin - debut - 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool NomCorrespond(const QString& nom, const QStringList& motifs)
{
    for (const QString& motif : motifs) {
        // "*.*" is every file, with or without an extension, as the entry's name says.
        if (motif == QLatin1String("*.*") || motif == QLatin1String("*"))
            return true;
        const QRegularExpression expression(QRegularExpression::wildcardToRegularExpression(motif),
            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(nom).hasMatch())
            return true;
    }
    return false;
}

dlgAssocierImage::dlgAssocierImage(QLabel* labelPath, QWidget* parent) : QDialog(parent), m_labelPath(labelPath)
{
    setObjectName(QStringLiteral("dlgAssocierImage"));
    setWindowTitle(QStringLiteral("Associer une image"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(5835 / TwipsParPixel, 6315 / TwipsParPixel);

    m_driveList = CreerControle<QComboBox>(this, QStringLiteral("DriveList"), 60, 60, 2595, 315);
    m_dirList = CreerControle<QListWidget>(this, QStringLiteral("DirList"), 60, 420, 2595, 1890);
    m_patternCombo = CreerControle<QComboBox>(this, QStringLiteral("PatternCombo"), 60, 2400, 2595, 315);
    m_fileList = CreerControle<QListWidget>(this, QStringLiteral("FileList"), 2760, 60, 2955, 2625);
    m_picture1 = CreerControle<BoiteImage>(this, QStringLiteral("Picture1"), 120, 2880, 5595, 2295);
    m_picture2 = CreerControle<BoiteImage>(this, QStringLiteral("Picture2"), 4140, 5280, 255, 255);
    m_picture2->hide();
    auto* note = CreerControle<QLabel>(this, QStringLiteral("Label1"), 120, 5280, 4215, 975);
    note->setWordWrap(true);
    note->setText(QStringLiteral(
        "Le logiciel Orvalen conserve uniquement le chemin d'accès à l'image. Celle-ci n'est pas incorporée dans "
        "le fichier de données personnelles afin de ne pas l'encombrer. Si le chemin d'accès à l'image change, "
        "vous devrez à nouveau associer celle-ci."));
    m_ok = CreerControle<QPushButton>(this, QStringLiteral("OKButton"), 4440, 5340, 1215, 375);
    m_ok->setText(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_annuler = CreerControle<QPushButton>(this, QStringLiteral("CancelButton"), 4440, 5820, 1215, 375);
    m_annuler->setText(QStringLiteral("Annuler"));
    m_annuler->setAutoDefault(false);

    connect(m_ok, &QPushButton::clicked, this, &dlgAssocierImage::OKButton_Click);
    connect(m_annuler, &QPushButton::clicked, this, &dlgAssocierImage::CancelButton_Click);
    connect(m_patternCombo, &QComboBox::currentIndexChanged, this, [this](int) { PatternCombo_Click(); });
    connect(m_driveList, &QComboBox::currentIndexChanged, this, [this](int) { DriveList_Change(); });
    connect(m_dirList, &QListWidget::itemActivated, this, [this](QListWidgetItem* i) { DirList_Change(i->data(Qt::UserRole).toString()); });
    // A double click previews, as a click does; it never confirms.
    connect(m_fileList, &QListWidget::itemSelectionChanged, this, &dlgAssocierImage::FileList_Click);

    for (const char* entree : Entrees)
        m_patternCombo->addItem(QString::fromUtf8(entree));
    m_patternCombo->setCurrentIndex(0);
    m_motifs = MotifsEntree(m_patternCombo->currentText());

    // Opens in the program folder, the place holding it chosen.
    const QString programme = QDir::cleanPath(QDir(DossierProgramme()).absolutePath());
    remplirPlaces();
    int place = 0;
    for (int i = 0; i < m_driveList->count(); ++i) {
        const QString p = m_driveList->itemData(i).toString();
        if (dansPlace(programme, p) && p.size() >= m_driveList->itemData(place).toString().size())
            place = i;
    }
    {
        const QSignalBlocker bloque(m_driveList);
        m_driveList->setCurrentIndex(place);
    }
    if (!allerA(programme))
        allerA(m_driveList->itemData(place).toString());
}

void dlgAssocierImage::remplirPlaces()
{
    QStringList places = {QStringLiteral("/")};
    const QString maison = QDir::cleanPath(QDir::homePath());
    if (!places.contains(maison))
        places << maison;
    // Removable media and whatever the user mounted by hand.
    for (const Lecteur& l : ListeLecteursSysteme()) {
        const QString p = QDir::cleanPath(l.pointMontage);
        if ((p.startsWith(QLatin1String("/media/")) || p.startsWith(QLatin1String("/mnt/"))) && !places.contains(p))
            places << p;
    }
    const QSignalBlocker bloque(m_driveList);
    m_driveList->clear();
    for (const QString& p : places)
        m_driveList->addItem(QDir::toNativeSeparators(p), p);
}

bool dlgAssocierImage::allerA(const QString& dossier)
{
    const QDir d(dossier);
    if (!d.exists() || !d.isReadable())
        return false;
    m_dossier = QDir::cleanPath(d.absolutePath());
    // The folder list reads as a path tree: each folder from the root down to the open one, indented by
    // depth, then the open folder's own folders one step further in. Every row holds the folder it opens.
    m_dirList->clear();
    QStringList ancetres;
    for (QDir a(m_dossier);; ) {
        ancetres.prepend(QDir::cleanPath(a.absolutePath()));
        if (a.isRoot() || !a.cdUp())
            break;
    }
    const QString retrait = QStringLiteral("   ");
    for (int i = 0; i < ancetres.size(); ++i) {
        const QString& chemin = ancetres.at(i);
        const QString nom = i == 0 ? QDir::toNativeSeparators(chemin) : QDir(chemin).dirName();
        auto* ligne = new QListWidgetItem(retrait.repeated(i) + nom, m_dirList);
        ligne->setData(Qt::UserRole, chemin);
        if (i == ancetres.size() - 1) {
            QFont gras = ligne->font();
            gras.setBold(true);
            ligne->setFont(gras);
            m_dirList->setCurrentItem(ligne);
        }
    }
    for (const QString& sous : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* ligne = new QListWidgetItem(retrait.repeated(ancetres.size()) + sous, m_dirList);
        ligne->setData(Qt::UserRole, d.absoluteFilePath(sous));
    }
    m_dirList->setToolTip(QDir::toNativeSeparators(m_dossier));
    remplirFichiers();
    return true;
}

void dlgAssocierImage::remplirFichiers()
{
    const QSignalBlocker bloque(m_fileList);
    m_fileList->clear();
    if (m_dossier.isEmpty())
        return;
    const QStringList fichiers = QDir(m_dossier).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& f : fichiers) {
        if (NomCorrespond(f, m_motifs))
            m_fileList->addItem(f);
    }
}

void dlgAssocierImage::PatternCombo_Click()
{
    m_motifs = MotifsEntree(m_patternCombo->currentText());
    remplirFichiers();
}

void dlgAssocierImage::DriveList_Change()
{
    if (allerA(m_driveList->currentData().toString()))
        return;
    // A place that cannot be read: back to the place of the folder still shown, silently.
    const QSignalBlocker bloque(m_driveList);
    int place = 0;
    for (int i = 0; i < m_driveList->count(); ++i) {
        const QString p = m_driveList->itemData(i).toString();
        if (dansPlace(m_dossier, p) && p.size() >= m_driveList->itemData(place).toString().size())
            place = i;
    }
    m_driveList->setCurrentIndex(place);
}

void dlgAssocierImage::DirList_Change(const QString& dossier)
{
    allerA(dossier);
}

void dlgAssocierImage::FileList_Click()
{
    QListWidgetItem* element = m_fileList->currentItem();
    if (!element || !element->isSelected())
        return;
    // Only a file that loads is ever handed over.
    m_cheminImage.clear();
    const QString chemin = QDir::toNativeSeparators(QDir(m_dossier).absoluteFilePath(element->text()));
    setWindowTitle(QStringLiteral("Sélection image [%1]").arg(chemin));
    Sablier sablier;
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QImage image = ImageDepuisFichier(chemin, m_picture1->size());
    if (image.isNull()) {
        QApplication::beep();
        sablier.restaurer();
        setWindowTitle(QStringLiteral("Sélection image [Image non valide]"));
        m_picture1->effacer();
        return;
    }
    m_cheminImage = chemin;
    AjusterImage(image, m_picture1);
}

void dlgAssocierImage::OKButton_Click()
{
    if (!m_cheminImage.isEmpty() && m_labelPath)
        m_labelPath->setText(m_cheminImage);
    accept();
}

void dlgAssocierImage::CancelButton_Click()
{
    reject();
}
