#include "aboutwindow.h"

#include "controller.h"

#include "programinfo.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QLabel *valueLabel(const QString &text, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Paths are shown as they are, to be copied.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}
// The database of the main window this belongs to: its file, or the server's database.
QString databaseInUse(QWidget *parent)
{
    for (QWidget *widget = parent; widget; widget = widget->parentWidget()) {
        if (auto *controller = qobject_cast<Controller *>(widget)) {
            const DatabaseLocation &location = controller->connection().location();
            return location.isServer() ? location.displayName()
                                       : QFileInfo(location.filePath()).absoluteFilePath();
        }
    }
    return ProgramInfo::databaseFile();
}
} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // It belongs to the main window: closing that ends the program even while this is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("About Velmora"));

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(ProgramInfo::icon().pixmap(64, 64));
    heading->addWidget(icon);
    auto *name = new QLabel(ProgramInfo::name(), this);
    QFont large = name->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    name->setFont(large);
    heading->addWidget(name, 1);
    layout->addLayout(heading);
    auto *summary = new QLabel(
        tr("A quiz trainer for multiple-choice questions in German, English and Estonian."), this);
    summary->setWordWrap(true);
    layout->addWidget(summary);

    auto *facts = new QFormLayout;
    facts->addRow(tr("Version:"), valueLabel(ProgramInfo::version(), this, "tlVersion"));
    facts->addRow(tr("Licence:"), valueLabel(tr("GNU General Public License, version 3 or later "
                                                "(GPL-3.0-or-later)"),
                                             this, "tlLicence"));
    facts->addRow(tr("Data:"), valueLabel(databaseInUse(parent), this, "tlDatabase"));
    const QString guide = ProgramInfo::userGuide();
    if (!guide.isEmpty()) {
        auto *link = new QLabel(this);
        link->setObjectName(QStringLiteral("tlUserGuide"));
        link->setTextFormat(Qt::RichText);
        link->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                          .arg(QUrl::fromLocalFile(guide).toString(QUrl::FullyEncoded),
                               guide.toHtmlEscaped()));
        link->setOpenExternalLinks(true);
        link->setWordWrap(true);
        facts->addRow(tr("User guide:"), link);
    }
    layout->addLayout(facts);

    // Wide enough that the summary and the licence keep to a line or two.
    setMinimumWidth(fontMetrics().averageCharWidth() * 55);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(buttons);
    // As high as the wrapped texts need at that width, no higher.
    resize(minimumWidth(), heightForWidth(minimumWidth()));
}

AboutWindow *AboutWindow::showOver(QWidget *parent)
{
    // One at a time; a closed one is on its way out and is not shown again.
    AboutWindow *window = nullptr;
    for (AboutWindow *open :
         parent->findChildren<AboutWindow *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (open->isVisible())
            window = open;
    }
    if (!window)
        window = new AboutWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
