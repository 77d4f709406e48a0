#include "save_dialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>

namespace output {
namespace {

// Qt's own question, which Qt's catalogue translates.
constexpr const char* ReplaceQuestion = "%1 already exists.\nDo you want to replace it?";

// Qt's own provider works out a file's type, and the gtk theme its icon, from the file's
// contents; this one uses the name and what stat says, and never opens a file.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) return QFileIconProvider::icon(Folder);
        const QMimeType mime =
            mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        const QIcon generic = QFileIconProvider::icon(File);
        return QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), generic));
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) return QFileIconProvider::type(info); // decided by stat alone
        return mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }

private:
    QMimeDatabase mimeTypes_;
};

} // namespace

namespace detail {
IconProviderHolder::IconProviderHolder()
    : nameOnlyIcons(std::make_unique<NameOnlyIconProvider>()) {}
IconProviderHolder::~IconProviderHolder() = default;
} // namespace detail

SaveDialog::SaveDialog(QWidget* parent, const QString& title, const QString& folder)
    : QFileDialog(parent, title, folder.isEmpty() ? QDir::homePath() : folder) {
    setAcceptMode(AcceptSave);
    setFileMode(AnyFile);
    setIconProvider(nameOnlyIcons.get());
    setOption(DontUseCustomDirectoryIcons);
    if (layoutDirection() == Qt::RightToLeft) {
        // Qt keeps the pattern at the end of the type's name, where right-to-left text shows
        // it backwards ("(bmp.*)"): the name alone says enough.
        setOption(HideNameFilterDetails);
        // An icon beside right-to-left text leaves the text too little room ("Cancel" cut).
        for (auto* buttons : findChildren<QDialogButtonBox*>())
            for (QAbstractButton* button : buttons->buttons())
                button->setIcon({});
    }
}

QString SaveDialog::chosenPath() const {
    if (result() != Accepted) return {};
    if (!typedPath_.isEmpty()) return typedPath_;
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

void SaveDialog::accept() {
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = edit && edit->isVisible() ? edit->text() : QString();
    // Qt reads double quotes as a list of names ("a" "b"); a file name may hold them.
    if (!typed.contains(QLatin1Char('"'))) {
        QFileDialog::accept();
        return;
    }
    QString path = directory().absoluteFilePath(typed);
    if (QFileInfo(path).isDir()) {
        setDirectory(path);
        return;
    }
    if (!defaultSuffix().isEmpty() && !QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QLatin1Char('.') + defaultSuffix();
    const QFileInfo chosen(path);
    if ((chosen.exists() || chosen.isSymLink()) && !testOption(DontConfirmOverwrite) &&
        QMessageBox::warning(
            this, windowTitle(), QFileDialog::tr(ReplaceQuestion).arg(chosen.fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    typedPath_ = path;
    done(Accepted); // past QFileDialog::accept, which would parse the quotes
}

} // namespace output
