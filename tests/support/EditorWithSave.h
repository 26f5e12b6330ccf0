#pragma once
// An editor with a save file on disk that the tests load through the real
// "Nahrat SAV" button, the dialog answered by script.
#include <gtest/gtest.h>

#include <vector>

#include "support/FixtureSave.h"
#include "support/FormDriver.h"
#include "support/TempFolder.h"

class EditorWithSave : public testing::Test {
protected:
    void SetUp() override { f = form::NewEditor(); }

    // Puts bytes on disk as name and loads them.
    void Load(const std::vector<uint8_t>& bytes, const std::string& name = "red.sav") {
        folder.Put(name, bytes);
        LoadPath(folder.PathOf(name));
    }
    void LoadPath(const std::string& path) {
        dialogs.Answer(path);
        form::Click(f->Button1);
    }
    void LoadParty(const std::vector<fixture::Member>& party) {
        loaded = fixture::MakeSave(party);
        Load(loaded);
    }
    std::vector<uint8_t> Image() const { return {f->saveImage, f->saveImage + f->saveSize}; }
    const uint8_t* Record(uint8_t member) const {
        return f->saveImage + save::RecordAt(f->partyRecordsOffset, member);
    }

    TempFolder folder;
    form::DialogScript dialogs;
    std::unique_ptr<TForm1> f;
    std::vector<uint8_t> loaded;
};
