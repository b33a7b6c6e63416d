#include "window/open_dialog.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

namespace quodrill {

namespace {

// Qt's provider asks the MIME database for each file, which reads the content of any file
// whose name does not tell its type. This one looks at names and at what stat() tells only.
class NameOnlyIconProvider final : public QFileIconProvider {
  public:
    NameOnlyIconProvider() { setOptions(DontUseCustomDirectoryIcons); }

    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override {
        if (info.isRoot()) {
            return icon(Drive);
        }
        return icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override {
        if (info.isDir()) {
            return QFileIconProvider::type(info);  // a folder's type is told without a read
        }
        return QMimeDatabase()
            .mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension)
            .comment();
    }
};

}  // namespace

QString runOpenFileDialog(QWidget* parent, const QString& title, const QString& filter) {
    NameOnlyIconProvider names;
    // Qt takes "description (pattern)" and reads the pattern from the parentheses.
    QFileDialog dialog(parent, title, QString(), filter.section(QLatin1Char('|'), 0, 0));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // A desktop's native dialog would bring its own way of telling file types.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&names);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace quodrill
