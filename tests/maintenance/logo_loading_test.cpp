#include "drivers/error_numbers.h"
#include "support/window_fixture.h"
#include "support/named_case.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using LogoLoading = WindowTest;

const QString kLogoPath = QStringLiteral("/home/tecnico/logos/Café Ñandú.bmp");

TEST_F(LogoLoading, HasarCancelsThenLoadsTheChosenFile) {
    selectModel(QStringLiteral("3 - Hasar PR4"));
    selectPort(QStringLiteral(" 2"));
    prompts.chooseFile(kLogoPath);
    click(w().btnCargaLogo);
    QStringList expected{QStringLiteral("File()")};
    expected << hasarPreamble(2, 3) << QStringLiteral("CancelAll()")
             << QStringLiteral("LoadLogo(\"%1\")").arg(kLogoPath) << QStringLiteral("Finalizar()");
    EXPECT_EQ(calls(), expected);
    EXPECT_TRUE(disabledInputs().isEmpty());
}

struct NothingSentCase {
    const char* name;
    QString entry;
    QString chosen;
};

void PrintTo(const NothingSentCase& row, std::ostream* out) { *out << row.name; }

class LogoNothingSent : public LogoLoading, public ::testing::WithParamInterface<NothingSentCase> {};

TEST_P(LogoNothingSent, OnlyTheDialogOpensAndTheControlsEndEnabled) {
    selectModel(GetParam().entry);
    prompts.chooseFile(GetParam().chosen);
    click(w().btnCargaLogo);
    EXPECT_EQ(calls(), QStringList{QStringLiteral("File()")});
    EXPECT_TRUE(disabledInputs().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, LogoNothingSent,
    ::testing::Values(NothingSentCase{"HasarDialogCancelled", QStringLiteral("3 - Hasar PR4"), QString()},
                      NothingSentCase{"EpsonDialogCancelled", QStringLiteral("10 - Epson"), QString()},
                      NothingSentCase{"EpsonFileChosen", QStringLiteral("10 - Epson"), kLogoPath}),
    named_case::testName);

TEST_F(LogoLoading, AFileTheDriverRefusesEndsInTheErrorPath) {
    prompts.chooseFile(kLogoPath);
    trace.failAt(QStringLiteral("LoadLogo"), 1, error_number::kLogoFile,
                 QStringLiteral("El archivo de logo \"%1\" no es una imagen").arg(kLogoPath));
    click(w().btnCargaLogo);
    QStringList expected{QStringLiteral("File()")};
    expected << hasarPreamble(1, 1) << QStringLiteral("CancelAll()") << QStringLiteral("LoadLogo(\"%1\")").arg(kLogoPath)
             << QStringLiteral("Msg(16,\"El sistema detectó el error Nº %1 ''El archivo de logo \"%2\" no es una "
                               "imagen''\")").arg(error_number::kLogoFile).arg(kLogoPath);
    EXPECT_EQ(calls(), expected);
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(LogoLoading, TheControlsAreLockedWhileTheDialogIsOpen) {
    bool lockedDuringDialog = false;
    trace.watch([&](const QString& line) {
        if (line == QStringLiteral("File()")) lockedDuringDialog = !w().btnX->isEnabled() && !w().txtCant->isEnabled();
    });
    click(w().btnCargaLogo);
    EXPECT_TRUE(lockedDuringDialog);
    EXPECT_TRUE(w().btnX->isEnabled());
}

}  // namespace
