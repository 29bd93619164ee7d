#include "HelpBrowser.h"

#include <QFileInfo>
#include <QImage>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

void HelpBrowser::setFolderOf(const QUrl& contents)
{
    m_folder = HelpFolder(QFileInfo(contents.toLocalFile()).absolutePath());
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const HelpFolder::Content content =
        m_folder.read(name.isRelative() ? source().resolved(name) : name);
    if (type == QTextDocument::ImageResource) {
        // Never nothing: Qt would then open the picture's file itself, FIFO or not.
        QImage picture = QImage::fromData(content.data);
        if (picture.isNull()) {
            picture = QImage(1, 1, QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
        }
        return picture;
    }
    if (!content.refusal)
        return content.data;
    if (type != QTextDocument::HtmlResource)
        return {};
    return QStringLiteral("<p>%1</p>")
        .arg(tr("This page cannot be shown: %1.").arg(*content.refusal).toHtmlEscaped());
}
