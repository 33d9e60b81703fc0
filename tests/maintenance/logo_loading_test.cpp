#include "drivers/error_numbers.h"
#include "support/window_fixture.h"

#include <QLineEdit>
#include <QPushButton>

#include <utility>

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

// A cancelled dialog sends nothing on either brand; an Epson, which takes no logo, nothing whatever the file.
TEST_F(LogoLoading, WhenNothingIsSentOnlyTheDialogOpensAndTheControlsEndEnabled) {
    const QString epson = QStringLiteral("10 - Epson");
    const QList<std::pair<QString, QString>> choices{
        {QStringLiteral("3 - Hasar PR4"), QString()}, {epson, QString()}, {epson, kLogoPath}};
    for (const auto& [entry, chosen] : choices) {
        SCOPED_TRACE((entry + QStringLiteral(", file: ") + chosen).toStdString());
        trace.clear();
        selectModel(entry);
        prompts.chooseFile(chosen);
        click(w().btnCargaLogo);
        EXPECT_EQ(calls(), QStringList{QStringLiteral("File()")});
        EXPECT_TRUE(disabledInputs().isEmpty());
    }
}

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
