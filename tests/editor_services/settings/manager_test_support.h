// A fresh settings folder with a schemes folder in it, a manager working on
// it, and the reports it shows recorded instead of shown.
#pragma once

#include <string>
#include <vector>

#include "editor_services/settings/syn_manager.h"
#include "tests/platform/base/temp_folder.h"

class TManagerTest : public TempFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a scheme file in format 2.0 named Name in the schemes folder.
    void WriteScheme(const std::string& FileName, const std::string& Language, const std::string& Extensions);
    std::string SchemesFolder() const { return Folder() + "Syntaxs/"; }
    std::string ReadScheme(const std::string& FileName) const { return ReadBytes(SchemesFolder() + FileName); }
    // The texts of the reports shown since the last call.
    std::vector<std::string> TakeReports();

    TSynManager* manager_ = nullptr;

private:
    std::vector<std::string> reports_;
};
