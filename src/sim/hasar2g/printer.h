#pragma once

#include "memory.h"
#include "parameters.h"
#include "protocol.h"

#include <sim/paper_roll.h>
#include <sim/z_range.h>

#include <QByteArray>
#include <QJsonObject>
#include <optional>

namespace sim::hasar2g {

// What goes back over HTTP for one request.
struct Reply {
    int httpStatus = 200;
    QByteArray body;  // JSON
};

// The virtual 2G Hasar: one JSON command in, one JSON reply out, over a fiscal memory and a paper
// roll. No sockets and no clock of its own: the time is passed in.
class Printer {
public:
    static constexpr int kColumns = 40;

    explicit Printer(Memory memory);

    Reply handle(QByteArrayView body, qint64 nowMs);
    // The next command that runs keeps its reply behind ControladorOcupado until `polls`
    // ConsultarEstadoEspera have been answered busy; the one after gets it. Meanwhile no other
    // command runs.
    void holdNextReply(int polls);
    bool busy() const { return held_.has_value(); }
    // The power goes: an open document is cancelled, its number used up.
    void cutPower();

    const Memory& memory() const { return memory_; }
    PaperRoll& paper() { return paper_; }

private:
    struct Outcome {
        std::optional<Failure> failure;
        QJsonObject fields;
    };
    static Outcome refuse(Error error, const QString& context = {}) { return Outcome{Failure{error, 0, {}, context}, {}}; }

    Outcome run(Command command, Parameters& p, qint64 nowMs);
    QByteArray reply(const QString& command, QJsonObject fields, unsigned errorFlag);
    unsigned stateFlags() const;
    QDateTime printerTime(qint64 nowMs) const;

    // Queries and settings.
    Outcome consultarEstado(Parameters& p, qint64);
    Outcome consultarUltimoError(Parameters& p, qint64);
    Outcome consultarEstadoEspera(Parameters& p, qint64);
    Outcome configurarFechaHora(Parameters& p, qint64);
    Outcome consultarFechaHora(Parameters& p, qint64);
    Outcome consultarDatosInicializacion(Parameters& p, qint64);
    Outcome consultarVersion(Parameters& p, qint64);
    Outcome configurarZona(Parameters& p, qint64);
    Outcome consultarZona(Parameters& p, qint64);
    // The slot of a zone line in Memory::zones, or nothing after a failure.
    std::optional<int> zoneSlot(Parameters& p);

    // Documents.
    Outcome cargarDatosCliente(Parameters& p, qint64);
    Outcome cargarDocumentoAsociado(Parameters& p, qint64);
    Outcome abrirDocumento(Parameters& p, qint64);
    Outcome imprimirItem(Parameters& p, qint64);
    Outcome imprimirPago(Parameters& p, qint64);
    Outcome cerrarDocumento(Parameters& p, qint64);
    Outcome cancelar(Parameters& p, qint64);
    // Ends the open document cancelled: its number is used up.
    void cancelOpen(bool powerCut);

    // Reports.
    Outcome cerrarJornadaFiscal(Parameters& p, qint64);
    Outcome reportarZetasPorFecha(Parameters& p, qint64);
    Outcome reportarZetasPorNumeroZeta(Parameters& p, qint64);
    // The Z reports of the range, or the refusal of a range that ends before it starts at `end`.
    Outcome printZRange(Parameters& p, const std::optional<ZRange>& range, const char* end, const QString& backwards,
                        qint64 nowMs);

    Memory memory_;
    PaperRoll paper_{kColumns};
    quint64 sequence_ = 0;
    Failure lastError_;
    int holdPolls_ = -1;  // armed for the next command when >= 0
    struct Held {
        QByteArray body;
        int pollsLeft;
    };
    std::optional<Held> held_;
};

}  // namespace sim::hasar2g
