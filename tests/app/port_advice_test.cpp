// Port errors as the technician reads them on Linux and on Windows: the link's facts, then what
// to do in the program's terms. The platform is a parameter, so the Windows rows run here too.
#include "app/port_advice.h"
#include "drivers/error_numbers.h"
#include "drivers/link/system_text.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using port_error::Node;
using port_error::Port;

struct Row {
    const char* name;
    Platform platform;
    QSerialPort::SerialPortError code;
    Node node;
    QString device;
    QString systemReason;
    int number;
    QString shown;  // the whole text the window shows, devices found aside
};

const QList<SerialDevice> kFound{{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
                                  QStringLiteral("0403:6001"), {}}};

class PortAdvice : public ::testing::TestWithParam<Row> {};

TEST_P(PortAdvice, FactsFromTheLinkAndAdviceFromTheProgram) {
    const Row& r = GetParam();
    const port_error::PortError e = port_error::openFailed(r.code, Port{2, r.device}, r.node, r.systemReason, r.platform);
    EXPECT_EQ(e.number(), r.number);
    EXPECT_FALSE(e.description().contains(QStringLiteral("orbelo"))) << "the link gives no program advice";
    EXPECT_EQ(withPortAdvice(e, kFound), r.shown);
}

const Row kRows[] = {
    {"linux_missing", Platform::Unix, QSerialPort::DeviceNotFoundError, {}, QStringLiteral("/dev/ttyUSB3"), {},
     error_number::kPortMissing,
     QStringLiteral("No existe el dispositivo /dev/ttyUSB3 del puerto COM2. Dispositivos serie encontrados:\n"
                    "  /dev/ttyUSB0 · FT232R USB UART · FTDI · 0403:6001\n"
                    "Para usar otro dispositivo en COM2: orbelo --asignar 2=DISPOSITIVO (por ejemplo /dev/ttyUSB0)")},
    {"linux_forbidden_with_group", Platform::Unix, QSerialPort::PermissionError, {false, QStringLiteral("dialout")},
     QStringLiteral("/dev/ttyS1"), QStringLiteral("Permission denied"), error_number::kPortForbidden,
     QStringLiteral("No tiene permiso para abrir el puerto COM2 (/dev/ttyS1) (grupo dialout): agregue su usuario al "
                    "grupo dialout (sudo usermod -aG dialout $USER) y vuelva a iniciar la sesión")},
    {"linux_forbidden_without_group", Platform::Unix, QSerialPort::PermissionError, {false, {}},
     QStringLiteral("/dev/ttyS1"), QStringLiteral("Permission denied"), error_number::kPortForbidden,
     QStringLiteral("No tiene permiso para abrir el puerto COM2 (/dev/ttyS1): pida a quien administra el equipo "
                    "acceso a ese dispositivo")},
    // Linux says "permission" for a device held by another program too; the node tells them apart.
    {"linux_held_elsewhere", Platform::Unix, QSerialPort::PermissionError, {true, QStringLiteral("dialout")},
     QStringLiteral("/dev/ttyS1"), {}, error_number::kPortBusy,
     QStringLiteral("El puerto COM2 (/dev/ttyS1) está en uso por otro programa: ciérrelo (u otra ventana de Orbelo) "
                    "y vuelva a intentar")},
    {"linux_unusable_reason_in_spanish", Platform::Unix, QSerialPort::UnsupportedOperationError, {true, {}},
     QStringLiteral("/dev/null"), qt_error_string(ENOTTY), error_number::kPortOpenFailed,
     QStringLiteral("No se pudo abrir el puerto COM2 (/dev/null): no es un puerto serie utilizable (no es una terminal "
                    "serie). Elija otro puerto o asigne otro dispositivo con orbelo --asignar 2=DISPOSITIVO")},
    {"linux_unknown_reason", Platform::Unix, QSerialPort::UnknownError, {true, {}}, QStringLiteral("/dev/ttyS1"),
     QStringLiteral("Weird failure"), error_number::kPortOpenFailed,
     QStringLiteral("No se pudo abrir el puerto COM2 (/dev/ttyS1): no es un puerto serie utilizable (error del "
                    "sistema). Elija otro puerto o asigne otro dispositivo con orbelo --asignar 2=DISPOSITIVO")},
    // Windows answers "access denied" only for a COM another program holds.
    {"windows_access_denied_is_in_use", Platform::Windows, QSerialPort::PermissionError, {false, {}},
     QStringLiteral("COM2"), QStringLiteral("Acceso denegado."), error_number::kPortBusy,
     QStringLiteral("El puerto COM2 está en uso por otro programa: ciérrelo (u otra ventana de Orbelo) y vuelva a "
                    "intentar")},
    {"windows_missing_com", Platform::Windows, QSerialPort::DeviceNotFoundError, {}, QStringLiteral("COM2"), {},
     error_number::kPortMissing,
     QStringLiteral("No existe el puerto COM2 en este equipo. Puertos serie encontrados:\n"
                    "  /dev/ttyUSB0 · FT232R USB UART · FTDI · 0403:6001\n"
                    "El Administrador de dispositivos muestra en «Puertos (COM y LPT)» el número de cada adaptador. "
                    "Para usar otro en COM2: orbelo --asignar 2=COMx (por ejemplo COM7)")},
    {"windows_missing_assigned_com", Platform::Windows, QSerialPort::DeviceNotFoundError, {}, QStringLiteral("COM9"),
     {}, error_number::kPortMissing,
     QStringLiteral("No existe el puerto COM9, asignado a COM2, en este equipo. Puertos serie encontrados:\n"
                    "  /dev/ttyUSB0 · FT232R USB UART · FTDI · 0403:6001\n"
                    "El Administrador de dispositivos muestra en «Puertos (COM y LPT)» el número de cada adaptador. "
                    "Para usar otro en COM2: orbelo --asignar 2=COMx (por ejemplo COM7)")},
    // Windows words its reasons in its own language already.
    {"windows_unusable", Platform::Windows, QSerialPort::UnsupportedOperationError, {}, QStringLiteral("COM2"),
     QStringLiteral("El parámetro no es correcto."), error_number::kPortOpenFailed,
     QStringLiteral("No se pudo abrir el puerto COM2: no es un puerto serie utilizable (El parámetro no es correcto.). "
                    "Revise el adaptador en el Administrador de dispositivos, o elija otro puerto o asigne otro con "
                    "orbelo --asignar 2=COMx")},
};

INSTANTIATE_TEST_SUITE_P(, PortAdvice, ::testing::ValuesIn(kRows), named_case::testName);

TEST(PortAdviceWithoutDevices, NoDeviceFoundIsSaid) {
    const auto e = port_error::missing(Port{1, QStringLiteral("/dev/ttyS0")}, Platform::Unix);
    EXPECT_TRUE(withPortAdvice(e, {}).contains(QStringLiteral(". No se encontró ningún dispositivo serie conectado.\n")));
}

// An open port that fails: which codes close it, and the words the lost connection gives.
TEST(PortWhileOpen, APortThatFailsWhileOpenOnEachSystem) {
    const struct {
        QSerialPort::SerialPortError code;
        Platform platform;
        bool fails;
        const char* reason;
    } rows[] = {
        {QSerialPort::ResourceError, Platform::Unix, true, "el dispositivo se desconectó"},
        {QSerialPort::ReadError, Platform::Unix, true, "error de lectura"},
        {QSerialPort::DeviceNotFoundError, Platform::Unix, true, "el dispositivo se desconectó"},
        {QSerialPort::PermissionError, Platform::Unix, false, "el dispositivo se desconectó"},
        {QSerialPort::PermissionError, Platform::Windows, true, "el sistema negó el acceso al dispositivo"},
        {QSerialPort::TimeoutError, Platform::Windows, false, "el dispositivo se desconectó"},
        {QSerialPort::OpenError, Platform::Unix, false, "el dispositivo se desconectó"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.code << (r.platform == Platform::Windows ? " Windows" : " Unix"));
        EXPECT_EQ(port_error::failsOpenPort(r.code, r.platform), r.fails);
        EXPECT_EQ(port_error::vanishedReason(r.code, r.platform), QString::fromUtf8(r.reason));
    }
}

TEST(SystemText, CommonReasonsInSpanishWhateverTheLocaleAndTheRestPlain) {
    EXPECT_EQ(systemTextInSpanish(qt_error_string(EACCES), Platform::Unix), QStringLiteral("permiso denegado"));
    EXPECT_EQ(systemTextInSpanish(qt_error_string(ENOENT), Platform::Unix),
              QStringLiteral("no existe el archivo o el dispositivo"));
    EXPECT_EQ(systemTextInSpanish(qt_error_string(EBUSY), Platform::Unix), QStringLiteral("el dispositivo está ocupado"));
    EXPECT_EQ(systemTextInSpanish(QStringLiteral("Something new"), Platform::Unix), QStringLiteral("error del sistema"));
    EXPECT_EQ(systemTextInSpanish(QStringLiteral("Acceso denegado."), Platform::Windows), QStringLiteral("Acceso denegado."));
}

}  // namespace
