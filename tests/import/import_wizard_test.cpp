// The import wizard driven as a user drives it: the delimiter list and code, the category column and the
// fixed category, the field of each column, the image columns, the overflow list, and the preview of a
// CSV file. Refusals come as messages, never as exceptions.
#include <gtest/gtest.h>

#include "import/import_wizard_form.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

class ImportWizardTest : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        Create(program->ImportWizardForm);
        // As every load leaves it, the first of a new start included (the load is the main window's and
        // is tested with it).
        program->ReadingConfig = 0;
        Messages().ClearLog();
    }
    TImportWizardForm& W() { return *program->ImportWizardForm; }
    std::vector<std::string> Row(int r, int cells) {
        std::vector<std::string> out;
        for (int i = 0; i < cells; ++i) out.push_back(W().MapFrom[std::size_t(r)][std::size_t(i)]->Text());
        return out;
    }
};

TEST_F(ImportWizardTest, DefaultsAndTheOverflowListOfUnmappedColumns) {
    EXPECT_EQ(W().ImportCombo->Text(), "Tab");
    EXPECT_EQ(W().Delimiter->Text(), "9");
    EXPECT_EQ(W().ImportCategoryField->Text(), "0");
    EXPECT_EQ(W().ImportCategory->Text(), "Category A");
    EXPECT_EQ(W().ImportMode->Text(), "New Import (Create a new Folivex database)");
    EXPECT_EQ(W().ImportMode->Items()[1], "Append input to Existing Folivex database");
    EXPECT_EQ(W().ImportCombo->Items().size(), 9u);
    EXPECT_EQ(W().MapToDB[4]->Text(), "5");
    EXPECT_EQ(W().OverflowFields->Text(), "21,22,23,24, + All extra columns");
    EXPECT_EQ(W().MapFrom[2][23]->Name(), "MapFrom3_24");
    EXPECT_EQ(W().MapToDB[0]->MaxLength(), 2);
}

TEST_F(ImportWizardTest, FieldNumbersOutsideOneToTwentyOrNotNumbersAreRefusedAndCleared) {
    struct Case {
        std::string typed;
        bool refused;
    };
    const Case cases[] = {{"21", true}, {"0", true}, {"x", true}, {"7a", true}, {"-3", true}, {"20", false},
                          {"1", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Messages().ClearLog();
        W().MapToDB[4]->UserSetText(c.typed);
        if (c.refused) {
            EXPECT_EQ(Messages().Messages(),
                      std::vector<std::string>{"Error: A Folivex Field can only be in the range 1-20 (or blank)"});
            EXPECT_EQ(W().MapToDB[4]->Text(), "");
            EXPECT_EQ(W().OverflowFields->Text(), "5,21,22,23,24, + All extra columns");
        } else {
            EXPECT_TRUE(Messages().Messages().empty());
            EXPECT_EQ(W().MapToDB[4]->Text(), c.typed);
        }
    }
    W().MapToDB[4]->UserSetText(" ");
    EXPECT_EQ(W().MapToDB[4]->Text(), "");
}

TEST_F(ImportWizardTest, ImageColumnsTakeNoFieldAndTheFifthWarnsOnce) {
    W().CheckImage[2]->Click();
    EXPECT_EQ(W().MapToDB[2]->Text(), "");
    EXPECT_EQ(W().OverflowFields->Text(), "21,22,23,24, + All extra columns");
    W().MapToDB[2]->UserSetText("7");
    EXPECT_FALSE(W().CheckImage[2]->Checked());
    for (int i = 0; i < 5; ++i) W().CheckImage[std::size_t(i)]->Click();
    EXPECT_EQ(W().ImageColumnCount, 5);
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"Error: Only 4 Import fields may be nominated as Images, Others are ignored."});
    W().CheckImage[5]->Click();
    EXPECT_EQ(Messages().Messages().size(), 1u);
    EXPECT_TRUE(W().CheckImage[5]->Checked());
}

TEST_F(ImportWizardTest, CategoryColumnAndFixedCategoryExcludeEachOther) {
    W().ImportCategoryField->UserSetText("22");
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Error: Category field must be between 0 and 21"});
    EXPECT_EQ(W().ImportCategoryField->Text(), "1");
    EXPECT_EQ(W().ImportCategory->Text(), "");
    Messages().ClearLog();
    W().ImportCategoryField->UserSetText("q");
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Error: Category field must be between 0 and 21"});
    EXPECT_EQ(W().ImportCategoryField->Text(), "1");

    W().ImportCategory->UserSetText("Cars");
    EXPECT_EQ(W().ImportCategoryField->Text(), "0");
    W().ImportCategory->UserSetText("");
    EXPECT_EQ(W().ImportCategoryField->Text(), "1");
    W().ImportCategoryField->UserSetText("");
    EXPECT_EQ(W().ImportCategoryField->Text(), "0");
}

TEST_F(ImportWizardTest, DelimiterListSetsTheCodeAndBadCodesAreRefused) {
    W().ImportCombo->UserSelect(1);
    EXPECT_EQ(W().Delimiter->Text(), "44");
    EXPECT_EQ(W().DelimiterCode(), 44);
    for (const char* bad : {"0", "10", "13", "34", "256", "a"}) {
        SCOPED_TRACE(bad);
        Messages().ClearLog();
        W().Delimiter->UserSetText(bad);
        EXPECT_EQ(Messages().Messages(),
                  std::vector<std::string>{
                      "Error: The Delimiter must be a character code between 1 and 255 (not 10, 13 or 34)"});
        EXPECT_EQ(W().Delimiter->Text(), "44");
        EXPECT_EQ(W().DelimiterCode(), 44);
    }
    W().ImportCombo->UserSelect(8);
    EXPECT_TRUE(W().Delimiter->Focused());
}

TEST_F(ImportWizardTest, PreviewOfACsvFileWithACategoryColumn) {
    TextStream file(std::string("Make,Cat,Model,Price\r\n\"Land Rover\",4x4,Defender,32000\r\nMini,City,Cooper\r\n"
                                "VW,Family,Golf,21999,extra\r\n"));
    W().ImportFile = &file;
    W().ImportCombo->UserSelect(1);
    EXPECT_EQ(program->ImportDelimiter, 44);
    EXPECT_EQ(Row(0, 5), (std::vector<std::string>{"Make", "Cat", "Model", "Price", " "}));
    EXPECT_EQ(Row(1, 4), (std::vector<std::string>{"Land Rover", "4x4", "Defender", "32000"}));
    EXPECT_EQ(Row(2, 4), (std::vector<std::string>{"Mini", "City", "Cooper", " "}));

    // Column 2 is the category: the others move one cell left.
    W().ImportCategoryField->UserSetText("2");
    EXPECT_EQ(Row(1, 4), (std::vector<std::string>{"Land Rover", "Defender", "32000", " "}));
    W().MapToDB[1]->UserSetText("");
    W().CheckImage[3]->Click();
    EXPECT_EQ(W().OverflowFields->Text(), "2,21,22,23,24, + All extra columns");  // 4 is an image

    // Nothing happens while the configuration is read.
    program->ReadingConfig = 1;
    W().ImportCategoryField->UserSetText("0");
    EXPECT_EQ(Row(1, 1), std::vector<std::string>{"Land Rover"});
    EXPECT_EQ(W().MapFrom[1][1]->Text(), "Defender");
}

// A field that two columns of the source would fill is refused at Import, with the columns named; a column
// the source does not have fills nothing and is no reason to refuse.
TEST_F(ImportWizardTest, AFieldFilledByTwoColumnsIsRefusedBeforeTheImport) {
    struct Case {
        std::string file;
        std::string categoryColumn;
        std::vector<std::pair<int, std::string>> typed;  // column, field box
        std::string clashes;                             // the lines naming the fields, or empty
        const char* reason;
    };
    const Case cases[] = {
        {"a,b,c\r\n", "0", {}, "", "the default mapping: one column per field"},
        {"a,b,c\r\n", "0", {{1, "2"}}, "Field 2 would be filled by columns 1 and 2.", "column 2 keeps its 2"},
        {"a,b,c\r\n", "0", {{1, "20"}}, "", "column 20 keeps its 20, but the file has no column 20"},
        {"a,b,c\r\n", "0", {{1, "3"}, {2, "3"}}, "Field 3 would be filled by columns 1, 2 and 3.", "three of them"},
        {"a,b,c,d\r\n", "1", {{3, "1"}}, "Field 1 would be filled by columns 1 and 3.",
         "the category column takes no column number: three are left"},
        {"a,b,c,d\r\n", "1", {{4, "1"}}, "", "column 4 is then beyond the source"},
        {"a,b\r\nc,d,e\r\n", "0", {{1, "3"}}, "Field 3 would be filled by columns 1 and 3.",
         "a later row is longer than the first"},
        {"\"a,b\",c\r\n", "0", {{1, "3"}}, "", "a delimiter in quotes makes no column"},
        {"a,b,c\r\n", "0", {{1, "2"}, {2, ""}}, "", "the other box cleared"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        TImportWizardForm fresh(nullptr, *program);
        TextStream file(c.file);
        fresh.ImportFile = &file;
        fresh.ImportCombo->UserSelect(1);  // comma
        fresh.ImportCategoryField->UserSetText(c.categoryColumn);
        for (const auto& [column, field] : c.typed) fresh.MapToDB[std::size_t(column - 1)]->UserSetText(field);
        Messages().ClearLog();
        program->ImportPending = 0;
        fresh.SetModalResult(MrNone);
        fresh.GoImportButton->Click();
        if (c.clashes.empty()) {
            EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
            EXPECT_EQ(fresh.ModalResult(), MrOk);
            EXPECT_EQ(program->ImportPending, 1);
        } else {
            EXPECT_EQ(Messages().Messages(),
                      std::vector<std::string>{"A Folivex Field takes the value of one column only: the later column "
                                               "would overwrite the earlier.\r\n" +
                                               c.clashes + "\r\nChange or clear the Field box of all but one of them."});
            EXPECT_EQ(fresh.ModalResult(), MrNone) << "the wizard stays open to correct";
            EXPECT_EQ(program->ImportPending, 0);
        }
        fresh.ImportFile = nullptr;
    }
}

TEST_F(ImportWizardTest, GoAndCancelSetTheImportFlags) {
    program->ReadingConfig = 1;
    app->OnModal = [&](Form& f) { static_cast<TImportWizardForm&>(f).GoImportButton->Click(); };
    EXPECT_EQ(W().ShowModal(), MrOk);
    EXPECT_EQ(program->ImportPending, 1);
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_EQ(program->ReadingConfig, 0);
    app->OnModal = [&](Form& f) { static_cast<TImportWizardForm&>(f).BitBtn2->Click(); };
    EXPECT_EQ(W().ShowModal(), MrCancel);
    EXPECT_EQ(program->ImportPending, 0);
    EXPECT_EQ(program->DatabaseModified, 0);
}

}  // namespace
}  // namespace fv::testing
