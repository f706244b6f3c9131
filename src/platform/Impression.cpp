#include "platform/Impression.h"

#include "platform/Plateforme.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

Impression::~Impression() = default;

bool ImpressionQt::choisirImprimante(QPrinter& imprimante, const QString& titre)
{
    QPrintDialog dialogue(&imprimante, QApplication::activeWindow());
    if (!titre.isEmpty())
        dialogue.setWindowTitle(titre);
    return dialogue.exec() == QDialog::Accepted;
}

namespace {

// The preview window: one page at a time, painted when it is shown, at the chosen zoom.
class FenetreApercu : public QDialog {
public:
    explicit FenetreApercu(const DocumentPages& document, QWidget* parent) : QDialog(parent), m_document(document)
    {
        setWindowTitle(document.titre);
        auto* barre = new QHBoxLayout;
        auto bouton = [&](const QString& texte, auto action) {
            auto* b = new QPushButton(texte, this);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, action);
            barre->addWidget(b);
            return b;
        };
        bouton(QStringLiteral("|<"), [this] { montrer(0); });
        bouton(QStringLiteral("<"), [this] { montrer(m_page - 1); });
        m_numero = new QSpinBox(this);
        m_numero->setRange(1, std::max(1, document.nombrePages));
        m_numero->setSuffix(QStringLiteral(" / %1").arg(std::max(1, document.nombrePages)));
        connect(m_numero, &QSpinBox::valueChanged, this, [this](int n) { montrer(n - 1); });
        barre->addWidget(m_numero);
        bouton(QStringLiteral(">"), [this] { montrer(m_page + 1); });
        bouton(QStringLiteral(">|"), [this] { montrer(m_document.nombrePages - 1); });
        m_zoom = new QComboBox(this);
        for (int z : {50, 75, 100, 125, 150, 200})
            m_zoom->addItem(QStringLiteral("%1 %").arg(z), z);
        m_zoom->setCurrentIndex(2);
        connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] { montrer(m_page); });
        barre->addWidget(m_zoom);
        barre->addStretch();
        bouton(QStringLiteral("Imprimer..."), [this] { imprimer(); });
        bouton(QStringLiteral("Fermer"), [this] { accept(); });

        m_image = new QLabel(this);
        m_image->setAlignment(Qt::AlignCenter);
        auto* defilement = new QScrollArea(this);
        defilement->setWidget(m_image);
        defilement->setWidgetResizable(true);
        defilement->setBackgroundRole(QPalette::Dark);
        auto* colonne = new QVBoxLayout(this);
        colonne->addLayout(barre);
        colonne->addWidget(defilement);
        montrer(0);
    }

private:
    void montrer(int page)
    {
        if (m_document.nombrePages <= 0)
            return;
        m_page = std::clamp(page, 0, m_document.nombrePages - 1);
        // Screen pixels at the zoom: the page's logical resolution gives the painter its scale.
        const double dpi = logicalDpiX() * m_zoom->currentData().toInt() / 100.0;
        const QSizeF pouces = m_document.page.fullRect(QPageLayout::Inch).size();
        QImage image(int(pouces.width() * dpi), int(pouces.height() * dpi), QImage::Format_RGB32);
        image.setDotsPerMeterX(int(dpi / 0.0254));
        image.setDotsPerMeterY(int(dpi / 0.0254));
        image.fill(Qt::white);
        {
            QPainter peintre(&image);
            peintre.setRenderHint(QPainter::Antialiasing);
            peintre.setRenderHint(QPainter::TextAntialiasing);
            m_document.peindrePage(peintre, m_page);
        }
        m_image->setPixmap(QPixmap::fromImage(image));
        const QSignalBlocker bloque(m_numero);
        m_numero->setValue(m_page + 1);
    }

    void imprimer()
    {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setPageLayout(m_document.page);
        if (ChoisirImprimante(imprimante, m_document.titre))
            m_document.imprimer(&imprimante);
    }

    const DocumentPages& m_document;
    QLabel* m_image = nullptr;
    QSpinBox* m_numero = nullptr;
    QComboBox* m_zoom = nullptr;
    int m_page = 0;
};

}  // namespace

void ImpressionQt::apercuPages(const DocumentPages& document)
{
    FenetreApercu fenetre(document, QApplication::activeWindow());
    fenetre.setWindowState(fenetre.windowState() | Qt::WindowMaximized);
    fenetre.exec();
}

void AfficherApercuPages(const DocumentPages& document)
{
    Plateforme().impression->apercuPages(document);
}

bool Impression::imprimanteParDefaut(QPrinter& imprimante, const QString& titre)
{
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull())
        return false;
    imprimante.setPrinterName(defaut.printerName());
    imprimante.setDocName(titre);
    return imprimante.isValid();
}

bool PreparerImprimanteParDefaut(QPrinter& imprimante, const QString& titre)
{
    return Plateforme().impression->imprimanteParDefaut(imprimante, titre);
}

bool ChoisirImprimante(QPrinter& imprimante, const QString& titre)
{
    return Plateforme().impression->choisirImprimante(imprimante, titre);
}
