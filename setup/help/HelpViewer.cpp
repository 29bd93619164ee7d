#include "HelpViewer.h"

#include "HelpWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QUrl>

namespace HelpViewer {

void showContents(QWidget* window)
{
    showContents(window, HelpFile::locateConfigured());
}

void showTopic(QWidget* window, const QString& topic)
{
    const HelpFile::Request contents = HelpFile::locateConfigured();
    showContents(window, contents);
    if (contents.outcome != HelpFile::Outcome::Show || topic.isEmpty() || window == nullptr)
        return;
    const QUrl url(topic);
    const HelpFile::Request page = HelpFile::locateConfigured(url.path());
    auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (page.outcome != HelpFile::Outcome::Show || help == nullptr)
        return;
    QUrl target = QUrl::fromLocalFile(page.path);
    target.setFragment(url.fragment());
    help->browser()->setSource(target);
}

void showContents(QWidget* window, const HelpFile::Request& request)
{
    switch (request.outcome) {
    case HelpFile::Outcome::NotConfigured: {
        const QString title =
            window != nullptr ? window->windowTitle() : QApplication::applicationDisplayName();
        QMessageBox box(QMessageBox::Information, title,
                        QCoreApplication::translate(
                            "HelpViewer", "Cannot show the help contents. No help belongs "
                                          "to this project."),
                        QMessageBox::Ok, window);
        box.setObjectName(QStringLiteral("helpMessage"));
        box.exec();
        return;
    }
    case HelpFile::Outcome::CannotOpen: {
        // No title of our own: the application's name, as a message box of the platform has.
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                        HelpFile::errorText(request), QMessageBox::Ok, window);
        box.setObjectName(QStringLiteral("helpMessage"));
        box.exec();
        return;
    }
    case HelpFile::Outcome::Show:
        break;
    }
    // One help window per settings window: a second press brings it back to the contents.
    auto* help = window != nullptr
                     ? window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                     : nullptr;
    if (help == nullptr)
        help = new HelpWindow(window);
    help->showPage(QUrl::fromLocalFile(request.path));
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace HelpViewer
