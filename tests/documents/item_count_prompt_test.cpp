// The document buttons and the item-count frame: asking, cancelling, and the lock while printing.
#include "app/error_path.h"
#include "documents/item_count_prompt.h"
#include "document_test.h"
#include "program/operations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Prompt = DocumentTest;

const QStringList kPromptInputs = {"btnAceptar", "btnCancelar", "txtCantItems"};

struct ButtonCase {
    const char* button;
    const char* code;
};

class DocumentButton : public DocumentTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(DocumentButton, StoresItsCodeAndAsksForTheItemsAlone) {
    type(w().txtCantItems, "4");
    click(documentButton(GetParam().button));
    EXPECT_EQ(w().DocumentKind, GetParam().code);
    EXPECT_EQ(enabledInputs(), kPromptInputs);
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
    EXPECT_EQ(w().focusWidget(), w().txtCantItems);
    EXPECT_EQ(w().txtCantItems->text(), "4");
    EXPECT_TRUE(calls().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, DocumentButton,
                         ::testing::Values(ButtonCase{"btnFacA", "FA"}, ButtonCase{"btnFacB", "FB"}, ButtonCase{"btnNCA", "NCA"},
                                           ButtonCase{"btnNCB", "NCB"}, ButtonCase{"btnRemito", "R"},
                                           ButtonCase{"btnRecibo", "RB"}),
                         [](const ::testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.button); });

TEST_F(Prompt, CancelarAndEscapeResetTheCountUnlockAndKeepTheChoice) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Cancelar", [this] { click(w().btnCancelar); }},
        {"Escape", [this] { QTest::keyClick(w().txtCantItems, Qt::Key_Escape); }},
    };
    for (const auto& [name, cancel] : ways) {
        click(w().btnNCB);
        type(w().txtCantItems, "5");
        cancel();
        EXPECT_EQ(w().txtCantItems->text(), "1") << name;
        EXPECT_TRUE(disabledInputs().isEmpty()) << name;
        EXPECT_FALSE(w().fmeCantItems->isEnabled()) << name;
        EXPECT_EQ(w().DocumentKind, "NCB") << name;
    }
    EXPECT_TRUE(calls().isEmpty());
}

TEST_F(Prompt, OtherKeysAreLeftToTheCountField) {
    click(w().btnFacA);
    type(w().txtCantItems, "");
    QTest::keyClicks(w().txtCantItems, "12");
    QTest::keyClick(w().txtCantItems, Qt::Key_Return);
    EXPECT_EQ(w().txtCantItems->text(), "12");
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
}

TEST_F(Prompt, NeitherADocumentButtonNorCancelarActsWhileAnOperationRuns) {
    click(w().btnFacA);
    type(w().txtCantItems, "3");
    runOperation(w(), [this] {
        chooseDocument(w(), "FB");
        cancelItemCountPrompt(w());
    });
    EXPECT_EQ(w().DocumentKind, "FA");
    EXPECT_EQ(w().txtCantItems->text(), "3");
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
    EXPECT_EQ(enabledInputs(), kPromptInputs);
}

// Looks at the window from inside the first driver call of the print.
class WindowWatchingHasar : public RecordingHasar {
public:
    using RecordingHasar::RecordingHasar;
    std::function<void()> watch;
    void ComPort(int port) override {
        watch();
        RecordingHasar::ComPort(port);
    }
};

TEST_F(Prompt, WhilePrintingEveryInputIsLockedButTheFrameStaysEnabled) {
    WindowWatchingHasar watching(trace);
    FrmOrbelo window(watching, epson, prompts, clock);
    wireOperations(window);
    window.show();
    bool promptLocked = false, frameEnabled = false;
    watching.watch = [&] {
        promptLocked = !window.txtCantItems->isEnabled() && !window.btnAceptar->isEnabled() && !window.btnCancelar->isEnabled();
        frameEnabled = window.fmeCantItems->isEnabled();
    };
    window.cboListaImp->setCurrentIndex(6);
    click(window.btnRemito);
    click(window.btnAceptar);
    EXPECT_TRUE(promptLocked);
    EXPECT_TRUE(frameEnabled);
    EXPECT_FALSE(window.fmeCantItems->isEnabled());
}

}  // namespace
