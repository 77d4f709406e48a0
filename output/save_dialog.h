#pragma once

#include <QFileDialog>
#include <memory>

class QFileIconProvider;

namespace output {

namespace detail {
// The dialog's icon provider, which the dialog does not own. As the first base it outlives the
// dialog's file list and the thread that fills it.
struct IconProviderHolder {
    IconProviderHolder();
    ~IconProviderHolder();
    IconProviderHolder(const IconProviderHolder&) = delete;
    IconProviderHolder& operator=(const IconProviderHolder&) = delete;
    std::unique_ptr<QFileIconProvider> nameOnlyIcons;
};
} // namespace detail

// Qt's save dialog, made safe for any folder a person may type or walk into: it tells file
// types by name only, so a file whose read never returns (/proc/kmsg) cannot freeze it, and a
// name is taken exactly as typed, double quotes included.
class SaveDialog : private detail::IconProviderHolder, public QFileDialog {
public:
    // Opens in `folder` (home when empty), never in the folder Qt's settings last remember.
    SaveDialog(QWidget* parent, const QString& title, const QString& folder = {});

    // The path the person chose, or "" when they cancelled.
    QString chosenPath() const;
    void accept() override;

private:
    QString typedPath_; // set when the typed name had to be taken past Qt's parsing
};

} // namespace output
