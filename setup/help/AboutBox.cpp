#include "AboutBox.h"

#include "ProductIdentity.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace AboutBox {

namespace {

QLabel* addLabel(QDialog& box, const char* name, const QString& text)
{
    auto* label = new QLabel(text, &box);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

void show(QWidget* parent)
{
    QDialog box(parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    const QString product = QString::fromUtf16(ProductIdentity::kProductName);
    //: %1 is the product's name
    box.setWindowTitle(QCoreApplication::translate("AboutBox", "About %1").arg(product));

    auto* icon = addLabel(box, "aboutIcon", {});
    icon->setPixmap(QIcon(QStringLiteral(":/chrome/zelclock.png")).pixmap(48, 48));
    auto* name = addLabel(box, "aboutProductName", product);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    name->setFont(nameFont);
    auto* version = addLabel(box, "aboutVersion", ProductIdentity::versionText());
    auto* copyright =
        addLabel(box, "aboutCopyright", QString::fromUtf16(ProductIdentity::kCopyright));
    const QString home = ProductIdentity::homePage();
    auto* link = addLabel(box, "aboutHomePage",
                          QStringLiteral("<a href=\"%1\">%1</a>").arg(home.toHtmlEscaped()));
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    link->setToolTip(ProductIdentity::linkToolTip());

    auto* notice = new QTextBrowser(&box);
    notice->setObjectName(QStringLiteral("aboutThirdParty"));
    notice->setOpenExternalLinks(true);
    notice->setMarkdown(ProductIdentity::thirdPartyNotice());
    notice->setMinimumSize(560, 300);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* head = new QGridLayout;
    head->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    head->addWidget(name, 0, 1);
    head->addWidget(version, 1, 1);
    head->addWidget(copyright, 2, 1);
    head->addWidget(link, 3, 1);
    head->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(head);
    layout->addWidget(notice);
    layout->addWidget(buttons);
    box.exec();
}

} // namespace AboutBox
