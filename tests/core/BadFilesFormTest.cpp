// Bad files of every kind through the real "Nahrat SAV" and "Import": each
// gives exactly its sentence and harms nothing, neither the image in memory,
// nor what the controls show, nor any file on disk.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "member/MemberImport.h"
#include "support/EditorWithSave.h"
#include "support/FailingFileOps.h"

namespace {

// All of the image the editor holds, the bytes past the loaded size too.
std::vector<uint8_t> WholeImage(const TForm1& f) { return {f.saveImage, f.saveImage + sizeof f.saveImage}; }

// Every file and folder under root, with the bytes of each file.
std::map<std::string, std::vector<uint8_t>> Disk(const std::string& root) {
    std::map<std::string, std::vector<uint8_t>> seen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string name = entry.path().lexically_relative(root).string();
        if (entry.is_directory()) {
            seen[name + "/"] = {};
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            seen[name] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        }
    }
    return seen;
}

// How a row puts its bad file in the folder; answers the path the user picks.
using MakeFile = std::function<std::string(TempFolder&)>;

MakeFile FileOf(std::vector<uint8_t> bytes, std::string name) {
    return [bytes = std::move(bytes), name = std::move(name)](TempFolder& folder) {
        folder.Put(name, bytes);
        return folder.PathOf(name);
    };
}

MakeFile Folder(std::string name) {
    return [name = std::move(name)](TempFolder& folder) {
        mkdir(folder.PathOf(name).c_str(), 0755);
        return folder.PathOf(name);
    };
}

MakeFile Missing(std::string name) {
    return [name = std::move(name)](TempFolder& folder) { return folder.PathOf(name); };
}

struct Row {
    const char* name;
    MakeFile make;
    const char* sentence;
    std::optional<FileStep> fault;  // a file call that goes wrong during the read
};

std::vector<uint8_t> SaveOfSize(size_t size) {
    fixture::Member mew;
    mew.species = 21;
    return fixture::MakeSave({mew}, size, uint32_t(size));
}

std::vector<Row> BadSaves() {
    return {
        {"empty file", FileOf({}, "empty.sav"), "Spatna delka souboru !", {}},
        {"folder", Folder("folder.sav"), "Soubor SAV nelze precist !", {}},
        {"missing file", Missing("missing.sav"), "Soubor SAV nelze precist !", {}},
        {"13603 bytes", FileOf(SaveOfSize(13603), "short.sav"), "Spatna delka souboru !", {}},
        {"50001 bytes", FileOf(SaveOfSize(50001), "long.sav"), "Spatna delka souboru !", {}},
        {"shrinks between size check and read", FileOf(SaveOfSize(32768), "shrinking.sav"),
         "Soubor SAV nelze precist !", FileStep::ShrinkingRead},
    };
}

class BadFiles : public EditorWithSave {
protected:
    // A save loaded and its member 1 shown, with an entry typed and not yet
    // committed, so a handler that touched the controls would show.
    void LoadAndEdit() {
        fixture::Member second;
        second.species = 84;
        second.level = 30;
        second.nickname = "SPARKY";
        LoadParty({fixture::Member(), second});
        ASSERT_EQ(f->pmsg->Caption(), "");
        form::Pick(f->ComboBox1, 1);
        f->Edit1->SetText("77");
    }

    // Picks path in the dialog of button, with row's fault on the file calls.
    void PickThrough(TButton* button, const Row& row, const std::string& path) {
        dialogs.Answer(path);
        if (!row.fault) {
            form::Click(button);
            return;
        }
        FailingFileOps ops(*row.fault);
        ScopedFileOps use(ops);
        form::Click(button);
        EXPECT_TRUE(ops.Fired()) << "the read never reached the fault";
    }
};

TEST_F(BadFiles, RefusedSaveLeavesANewEditorAsItWas) {
    for (const Row& row : BadSaves()) {
        SCOPED_TRACE(row.name);
        f = form::NewEditor();
        TempFolder here;
        std::string path = row.make(here);
        auto disk = Disk(here.PathOf(""));
        auto controls = form::Screen(*f);
        auto image = WholeImage(*f);

        PickThrough(f->Button1, row, path);

        EXPECT_EQ(f->pmsg->Caption(), row.sentence);
        EXPECT_EQ(form::Screen(*f), controls);
        EXPECT_EQ(WholeImage(*f), image);
        EXPECT_EQ(f->saveSize, 0);
        EXPECT_EQ(std::string(f->savPath), "");
        EXPECT_EQ(Disk(here.PathOf("")), disk);
    }
}

TEST_F(BadFiles, RefusedSaveKeepsTheImageLoadedBeforeAndEmptiesTheEditor) {
    for (const Row& row : BadSaves()) {
        SCOPED_TRACE(row.name);
        f = form::NewEditor();
        LoadAndEdit();
        std::string path = row.make(folder);
        auto disk = Disk(folder.PathOf(""));
        auto image = WholeImage(*f);
        std::string loadedPath = f->savPath;
        uint16_t loadedSize = f->saveSize;

        PickThrough(f->Button1, row, path);

        EXPECT_EQ(f->pmsg->Caption(), row.sentence);
        EXPECT_EQ(WholeImage(*f), image);
        EXPECT_EQ(f->saveSize, loadedSize);
        EXPECT_EQ(std::string(f->savPath), loadedPath);
        // Nothing is left to act on the kept image with, so it can never be
        // written under a path it did not come from.
        for (TControl* control : form::SwitchedControls(*f)) EXPECT_FALSE(control->Enabled());
        for (TEdit* edit : form::TenEdits(*f)) EXPECT_EQ(edit->Text(), "");
        EXPECT_EQ(f->ComboBox1->Count(), 0);
        EXPECT_TRUE(f->Button1->Enabled());
        EXPECT_EQ(Disk(folder.PathOf("")), disk);
    }
}

TEST_F(BadFiles, SavesAtTheSizeBoundsLoadWithNoSentence) {
    for (size_t size : {size_t(13604), size_t(50000)}) {
        SCOPED_TRACE(size);
        f = form::NewEditor();
        LoadAndEdit();
        std::vector<uint8_t> bytes = SaveOfSize(size);
        folder.Put("bound.sav", bytes);
        auto disk = Disk(folder.PathOf(""));

        LoadPath(folder.PathOf("bound.sav"));

        EXPECT_EQ(f->pmsg->Caption(), "");
        EXPECT_EQ(Image(), bytes);
        EXPECT_EQ(f->currentMember, 0);
        EXPECT_EQ(f->ComboBox1->Item(0), "MEW        #151");
        EXPECT_EQ(Disk(folder.PathOf("")), disk);
    }
}

TEST_F(BadFiles, RefusedMemberFileChangesNothing) {
    LoadAndEdit();
    member::MemberFile exported = member::ExportOfSlot(*f, 1);
    std::vector<uint8_t> valid(exported.begin(), exported.end());
    std::vector<uint8_t> damaged = valid;
    damaged[40] ^= 0x10;
    std::vector<uint8_t> shorter(valid.begin(), valid.end() - 1);
    std::vector<uint8_t> longer = valid;
    longer.push_back(0);
    const Row rows[] = {
        {"0 bytes", FileOf({}, "empty.pkm"), "Spatna delka PKM souboru !", {}},
        {"74 bytes", FileOf(shorter, "short.pkm"), "Spatna delka PKM souboru !", {}},
        {"75 bytes without the magic", FileOf(std::vector<uint8_t>(75, 0), "zeros.pkm"), "Spatny PKM soubor !", {}},
        {"75 bytes, one bit changed", FileOf(damaged, "damaged.pkm"), "Poskozeny PKM soubor !", {}},
        {"76 bytes", FileOf(longer, "long.pkm"), "Spatna delka PKM souboru !", {}},
        {"folder", Folder("folder.pkm"), "Soubor PKM nelze precist !", {}},
        {"missing file", Missing("missing.pkm"), "Soubor PKM nelze precist !", {}},
        {"shrinks between size check and read", FileOf(valid, "shrinking.pkm"), "Soubor PKM nelze precist !",
         FileStep::ShrinkingRead},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string path = row.make(folder);
        auto disk = Disk(folder.PathOf(""));
        auto controls = form::Screen(*f);
        auto image = WholeImage(*f);

        PickThrough(f->Button3, row, path);

        EXPECT_EQ(f->pmsg->Caption(), row.sentence);
        EXPECT_EQ(form::Screen(*f), controls);
        EXPECT_EQ(WholeImage(*f), image);
        EXPECT_EQ(Disk(folder.PathOf("")), disk);
    }
}

}  // namespace
