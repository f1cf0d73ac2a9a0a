// The upload dialog in a program of its own: the FTP settings and the upload dialog on a stand-in main
// window, a database folder and a publish folder with its "atsite" mirror in a temporary folder, and the
// helpers that fill the publish folder and read back what lies where after an upload.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/fs/files.h"
#include "support/file_map.h"
#include "support/hub_fixture.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"

namespace fv::testing {

// Bytes that a text transfer would change: CR LF, lone LF, lone CR and a NUL.
inline std::string BinaryBytes(const std::string& seed) {
    static constexpr char kAwkward[] = "\r\n\n\r\0\xff\x80 end";
    return seed + std::string(kAwkward, sizeof kAwkward - 1) + seed;
}

class UploadFixture : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        Create(program->FTPForm);
        Create(program->UploadForm);
        program->DatabaseDirectory = dir.File("db");
        program->PublishDirectory = dir.File("publish");
        ASSERT_TRUE(MakeDirectory(program->DatabaseDirectory));
        ASSERT_TRUE(MakeDirectory(program->PublishDirectory));
        ASSERT_TRUE(MakeDirectory(Mirror()));
        ASSERT_TRUE(ChangeDirectory(program->DatabaseDirectory));
        program->DatabaseModified = 0;
    }

    TUploadForm& Upload() { return *program->UploadForm; }
    std::string Mirror() const { return JoinPath(program->PublishDirectory, "atsite"); }

    void Publish(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(JoinPath(program->PublishDirectory, name), bytes));
    }
    // The publish folder's files (the mirror folder left out).
    FileMap Published() const { return FilesIn(program->PublishDirectory); }
    FileMap Mirrored() const { return FilesIn(Mirror()); }

    // The server to upload to, by the settings dialog's edits.
    void Target(const std::string& port, const std::string& hostDirectory, const std::string& user = "anonymous",
                const std::string& password = "upload@example.com") {
        TFTPForm& f = *program->FTPForm;
        f.FTPhost->SetText("127.0.0.1");
        f.FTPPort->SetText(port);
        f.FTPAccountID->SetText(user);
        f.FTPPassword->SetText(password);
        f.FTPHostDir->SetText(hostDirectory);
        // Typing the settings marks the database modified; what an upload does to the mark is tested.
        program->DatabaseModified = 0;
    }

    // Opens the dialog as the main window prepares it and presses "S E N D".
    void Send() {
        Upload().SendButton->SetEnabled(true);
        Upload().Tick->Hide();
        Upload().Abort->Hide();
        Upload().SetModalResult(MrNone);
        Upload().SendButton->Click();
        Upload().FlushLog();
    }

    std::vector<std::string> Log() { return Upload().DisplayMemo->Lines(); }
    bool Logged(const std::string& line) {
        const std::vector<std::string> lines = Log();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    std::string LogText() { return Upload().DisplayMemo->Text(); }
    // The questions the user was asked, in order.
    std::vector<std::string> Questions() {
        std::vector<std::string> asked;
        for (const ServiceEvent& e : Messages().Log())
            if (e.What == ServiceEvent::Kind::Message && (e.Flags & MbButtonMask) == MbYesNo) asked.push_back(e.Text);
        return asked;
    }
    std::vector<std::string> Notices() {
        std::vector<std::string> shown;
        for (const ServiceEvent& e : Messages().Log())
            if (e.What == ServiceEvent::Kind::Message && (e.Flags & MbButtonMask) == MbOk) shown.push_back(e.Text);
        return shown;
    }
};

}  // namespace fv::testing
