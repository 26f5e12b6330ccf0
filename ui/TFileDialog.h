#pragma once
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "ui/TControl.h"

enum class TOpenOption { ofHideReadOnly, ofNoReadOnlyReturn };

// What the open and the save dialog share: where they start, what they list,
// the name the user picked (offered again the next time), and a modal run.
class TFileDialog : public TComponent {
public:
    void SetInitialDir(std::string dir) { initialDir_ = std::move(dir); }
    const std::string& InitialDir() const { return initialDir_; }
    // One entry, "description|pattern".
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    const std::string& Filter() const { return filter_; }
    void SetOptions(std::set<TOpenOption> options) { options_ = std::move(options); }
    const std::set<TOpenOption>& Options() const { return options_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }
    const std::string& FileName() const { return fileName_; }
    virtual bool IsSaveDialog() const = 0;

    // Runs the dialog; true when the user confirmed a file, which is then
    // FileName().
    bool Execute();

    // Stands in for the user in tests: answers the path the user would pick,
    // or nothing for a cancel, without opening a window. An empty function
    // brings the real dialog back.
    using Answerer = std::function<std::optional<std::string>(const TFileDialog&)>;
    static void UseAnswerer(Answerer answerer);

protected:
    TFileDialog() = default;

private:
    std::optional<std::string> AskUser() const;

    std::string initialDir_, filter_, fileName_;
    std::set<TOpenOption> options_;
};

class TOpenDialog : public TFileDialog {
public:
    bool IsSaveDialog() const override { return false; }
};

// Asks no question when the file exists: the editor replaces it.
class TSaveDialog : public TFileDialog {
public:
    bool IsSaveDialog() const override { return true; }
};
