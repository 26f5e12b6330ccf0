#pragma once
#include <vector>

#include "core/Unit1.h"
#include "save/FileOps.h"

// The system's file calls, noting at each file opened whether Import or
// Export could be pressed meanwhile.
class ButtonWatch : public FileOps {
public:
    explicit ButtonWatch(const TForm1& f) : f_(f) {}
    int Open(const char* path, int flags, mode_t mode) override {
        eitherOn.push_back(f_.Button3->Enabled() || f_.Button4->Enabled());
        return FileOps::Open(path, flags, mode);
    }
    std::vector<bool> eitherOn;

private:
    const TForm1& f_;
};
