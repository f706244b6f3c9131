#pragma once
// Choosing the picture file of an item of the user's own: a place, a folder, a file type, a file
// previewed when clicked. Only the file's path is kept by the item, never the picture.

#include <QDialog>
#include <QStringList>

class BoiteImage;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class dlgAssocierImage : public QDialog {
    Q_OBJECT
public:
    // `labelPath` receives the chosen file's path on "OK", and only a path that loaded as a picture.
    dlgAssocierImage(QLabel* labelPath, QWidget* parent = nullptr);

    QComboBox* DriveList() const { return m_driveList; }
    QListWidget* DirList() const { return m_dirList; }
    QComboBox* PatternCombo() const { return m_patternCombo; }
    QListWidget* FileList() const { return m_fileList; }
    BoiteImage* Picture1() const { return m_picture1; }
    // The folder shown, an absolute native path.
    QString dossier() const { return m_dossier; }
    // The path of the last file clicked that loaded as a picture; empty otherwise.
    QString CheminImage() const { return m_cheminImage; }

    // Shows a folder (a place's, or one chosen in the folder list): its subfolders and its files of the
    // chosen type. False, nothing changed, when it cannot be read.
    bool allerA(const QString& dossier);

    void PatternCombo_Click();
    void DriveList_Change();
    void DirList_Change(const QString& dossier);
    void FileList_Click();
    void OKButton_Click();
    void CancelButton_Click();

private:
    void remplirPlaces();
    void remplirFichiers();

    QLabel* m_labelPath;
    QComboBox* m_driveList;
    QListWidget* m_dirList;
    QComboBox* m_patternCombo;
    QListWidget* m_fileList;
    BoiteImage* m_picture1;
    BoiteImage* m_picture2;
    QPushButton* m_ok;
    QPushButton* m_annuler;
    QString m_dossier;
    QString m_cheminImage;
    QStringList m_motifs;
};

// The patterns of a file-type entry: the text between its first "(" and its first ")", split on ";".
QStringList MotifsEntree(const QString& entree);
// Whether a file name matches one of the patterns, ignoring case; "*.*" matches every name.
bool NomCorrespond(const QString& nom, const QStringList& motifs);
