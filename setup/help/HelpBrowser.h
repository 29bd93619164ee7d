#pragma once

#include "HelpFolder.h"

#include <QTextBrowser>

// The help window's page view: pages, pictures and style sheets come only from the help folder
// (see HelpFolder); a page that cannot be shown is replaced by a line that says why.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent);

    // The folder that the pages may come from: that of `contents`.
    void setFolderOf(const QUrl& contents);
    const HelpFolder& folder() const { return m_folder; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    HelpFolder m_folder;
};
