// Pictures of the database dialogs drawn off screen, saved in the build folder to be looked at: the
// database setup dialog, the image picker, the full image view, the FTP settings, the import wizard with
// a preview, the overwrite dialog and the ODBC dialog with a filled grid.
#include <gtest/gtest.h>

#include <QImage>
#include <QTableWidget>

#include <filesystem>
#include <memory>

#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/full_image_form.h"
#include "app/image_form.h"
#include "app/startup.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "import/overwrite_form.h"
#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "program/program.h"
#include "publish/publish_setup_form.h"
#include "support/temp_dir.h"
#include "upload/ftp_form.h"
#include "view/qt_loop.h"
#include "view/qt_view.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class DatabaseDialogsPicturesTest : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        ASSERT_TRUE(StartProgram(*program));
    }
    void Picture(Form& form, const std::string& name) {
        form.Show();
        view->Refresh();
        SavePicture(form, name);
        form.Hide();
    }
};

TEST_F(DatabaseDialogsPicturesTest, EachDialogDrawsAtItsSize) {
    ASSERT_TRUE(WriteWholeFile(dir.File("stock.db"), "0\r\n"));
    program->DBSetupForm->RereadDirectory();
    program->DBSetupForm->SelectedDatabase->SetText("stock.db");
    Picture(*program->DBSetupForm, "db_setup_form.png");
    Picture(*program->ImageForm, "image_form.png");
    Picture(*program->FullImageForm, "full_image_form.png");
    Picture(*program->FTPForm, "ftp_form.png");

    program->ReadingConfig = 0;
    TextStream file(std::string("Make,Model,Price\r\nLand Rover,Defender,32000\r\nMini,Cooper,15000\r\n"));
    program->ImportWizardForm->ImportFile = &file;
    program->ImportWizardForm->ImportCombo->UserSelect(1);
    Picture(*program->ImportWizardForm, "import_wizard_form.png");
    program->OverwriteForm->NewFileName->SetText("stock.db");
    Picture(*program->OverwriteForm, "overwrite_form.png");

    TDBForm& db = *program->DBForm;
    db.AliasName->SetText("Garage");
    db.TableName->SetText("cars");
    db.DBGrid->SetTable({"name", "doors", "price"}, {{"Defender", "3", "32000.5"}, {"Mini", "", "15000.25"}});
    Picture(db, "db_form.png");
    auto* grid = qobject_cast<QTableWidget*>(view->WidgetOf(*db.DBGrid));
    ASSERT_NE(grid, nullptr) << "the data grid is a real table";
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QString("doors"));
    EXPECT_EQ(grid->item(1, 2)->text(), QString("15000.25"));
}

TEST_F(DatabaseDialogsPicturesTest, EveryPreviewShowsAWidePictureInItsOwnShape) {
    // A banner five times as wide as high, in bands of colour so that its shape shows in the pictures.
    auto banner = std::make_shared<Bitmap>(250, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 250; ++x)
            banner->Pixels[std::size_t(y * 250 + x)] = x / 50 % 2 ? 0xFF2060C0u : (y < 25 ? 0xFFE0A020u : 0xFF30A040u);
    program->ImageForm->ShowPreview(banner);
    program->FolivexForm->TheImage->SetPicture(banner);
    program->FolivexForm->TheImage->Show();
    program->PublishSetupForm->OleTableBackground->SetPicture(banner);
    program->PublishSetupForm->OleTableBackground->Show();
    Picture(*program->ImageForm, "image_form_wide_picture.png");
    Picture(*program->FolivexForm, "main_window_wide_picture.png");
    Picture(*program->PublishSetupForm, "publish_setup_form_wide_picture.png");
    // The full view's box is at least as large as the room for its button: a small picture fits inside.
    program->FullImageForm->Image->SetPicture(std::make_shared<Bitmap>(*banner));
    Picture(*program->FullImageForm, "full_image_form_wide_picture.png");
    for (Image* preview : {program->ImageForm->ImageSelect, program->FolivexForm->TheImage,
                           program->PublishSetupForm->OleTableBackground, program->FullImageForm->Image}) {
        auto* box = dynamic_cast<PictureBox*>(view->WidgetOf(*preview));
        ASSERT_NE(box, nullptr) << preview->Name();
        EXPECT_TRUE(box->KeepsShape()) << preview->Name() << " stretches the picture out of its shape";
    }
}

}  // namespace
}  // namespace fv
