// The overwrite-or-rename dialog of the first save after a text import.
#include <gtest/gtest.h>

#include "import/overwrite_form.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

class OverwriteFormTest : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        Create(program->OverwriteForm);
        main->Database = "stock.txt";
        program->DatabaseFileName = "stock.txt";
        program->ConfigFileName = "stock.cfg";
        Messages().ClearLog();
    }
    int Run(const std::function<void(TOverwriteForm&)>& act) {
        app->OnModal = [&](Form& f) { act(static_cast<TOverwriteForm&>(f)); };
        return program->OverwriteForm->ShowModal();
    }
};

TEST_F(OverwriteFormTest, OffersTheImportNameAsADatabaseAndOverwriteKeepsTheNames) {
    EXPECT_EQ(Run([](TOverwriteForm& f) {
                  EXPECT_EQ(f.ImportFileName->Text(), "stock.txt");
                  EXPECT_EQ(f.NewFileName->Text(), "stock.db");
                  f.OverwriteButton->Click();
              }),
              MrOk);
    EXPECT_EQ(program->DatabaseFileName, "stock.txt");
}

TEST_F(OverwriteFormTest, ANewNameGetsDbAndItsCompanions) {
    EXPECT_EQ(Run([](TOverwriteForm& f) {
                  f.NewFileName->UserSetText("cars");
                  f.NewFileNameButton->Click();
              }),
              MrOk);
    EXPECT_EQ(program->DatabaseFileName, "cars.db");
    EXPECT_EQ(program->ConfigFileName, "cars.cfg");
    EXPECT_EQ(program->ChartFileName, "cars.cht");
    EXPECT_EQ(program->RepublishFileName, "cars.rep");
    EXPECT_EQ(main->Database, "cars");
}

TEST_F(OverwriteFormTest, AnEmptyNameIsRefusedAndAnExistingDatabaseIsOnlyReplacedWhenConfirmed) {
    ASSERT_TRUE(WriteWholeFile(dir.File("cars.db"), "1\r\n"));
    Messages().Answer(IdNo);
    EXPECT_EQ(Run([](TOverwriteForm& f) {
                  f.NewFileName->UserSetText(" ");
                  f.NewFileNameButton->Click();
                  f.NewFileName->UserSetText("cars");
                  f.NewFileNameButton->Click();
                  EXPECT_EQ(f.ModalResult(), MrNone);
                  f.BitBtn1->Click();
              }),
              MrCancel);
    EXPECT_EQ(Messages().Messages(), (std::vector<std::string>{
                                         "You must specify a filename !",
                                         "A Folivex database named 'cars.db' already exists. Overwrite it ?"}));
    EXPECT_EQ(program->DatabaseFileName, "stock.txt");
    EXPECT_EQ(program->ConfigFileName, "stock.cfg");
}

}  // namespace
}  // namespace fv::testing
