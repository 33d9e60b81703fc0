#pragma once

#include <QtGlobal>

// The Hasar command bytes this driver sends.
namespace hasar_command {

constexpr quint8 kStatusRequest = 0x2A;
constexpr quint8 kHistoryCapacity = 0x37;
constexpr quint8 kDailyClose = 0x39;
constexpr quint8 kDailyCloseByDate = 0x3A;
constexpr quint8 kDailyCloseByNumber = 0x3B;
constexpr quint8 kOpenFiscalReceipt = 0x40;
constexpr quint8 kPrintLineItem = 0x42;
constexpr quint8 kSubtotal = 0x43;
constexpr quint8 kTotalTender = 0x44;
constexpr quint8 kCloseFiscalReceipt = 0x45;
constexpr quint8 kOpenNonFiscal = 0x48;
constexpr quint8 kPrintNonFiscalText = 0x49;
constexpr quint8 kCloseNonFiscal = 0x4A;
constexpr quint8 kCutPaper = 0x4B;
constexpr quint8 kSetDateTime = 0x58;
constexpr quint8 kSetHeaderTrailer = 0x5D;
constexpr quint8 kGetHeaderTrailer = 0x5E;
constexpr quint8 kSetFantasyName = 0x5F;
constexpr quint8 kGetConfigurationData = 0x66;
constexpr quint8 kGetFantasyName = 0x92;
constexpr quint8 kSetCustomerData = 0x62;
constexpr quint8 kGetWorkingMemory = 0x67;
constexpr quint8 kGetInitData = 0x73;
constexpr quint8 kOpenDrawer = 0x7B;
constexpr quint8 kOpenHomologated = 0x80;
constexpr quint8 kCloseHomologated = 0x81;
constexpr quint8 kPrintEmbarkItem = 0x82;
constexpr quint8 kStoreLogoData = 0x90;
constexpr quint8 kResetLogoData = 0x91;
constexpr quint8 kSetEmbarkNumber = 0x93;
constexpr quint8 kReceiptText = 0x97;
constexpr quint8 kCancel = 0x98;
constexpr quint8 kSetComSpeed = 0xA0;

// What each command does, in the trace's words.
inline const char* name(quint8 code) {
    switch (code) {
    case kStatusRequest: return "consulta de estado";
    case kHistoryCapacity: return "consulta de capacidad";
    case kDailyClose: return "cierre de jornada X/Z";
    case kDailyCloseByDate: return "informe global por fechas";
    case kDailyCloseByNumber: return "informe global por números de Z";
    case kOpenFiscalReceipt: return "abrir comprobante fiscal";
    case kPrintLineItem: return "ítem";
    case kSubtotal: return "subtotal";
    case kTotalTender: return "pago";
    case kCloseFiscalReceipt: return "cerrar comprobante fiscal";
    case kOpenNonFiscal: return "abrir comprobante no fiscal";
    case kPrintNonFiscalText: return "texto no fiscal";
    case kCloseNonFiscal: return "cerrar comprobante no fiscal";
    case kCutPaper: return "cortar papel";
    case kSetCustomerData: return "datos del comprador";
    case kGetWorkingMemory: return "consulta de la memoria de trabajo";
    case kGetInitData: return "consulta de datos de inicialización";
    case kSetHeaderTrailer: return "encabezamiento y cola";
    case kGetHeaderTrailer: return "consulta de encabezamiento y cola";
    case kSetFantasyName: return "nombre de fantasía";
    case kGetConfigurationData: return "consulta de configuración";
    case kGetFantasyName: return "consulta de nombre de fantasía";
    case kOpenDrawer: return "abrir cajón";
    case kOpenHomologated: return "abrir documento no fiscal homologado";
    case kCloseHomologated: return "cerrar documento no fiscal homologado";
    case kPrintEmbarkItem: return "ítem de remito";
    case kStoreLogoData: return "cargar logo";
    case kResetLogoData: return "borrar logo";
    case kSetEmbarkNumber: return "documento asociado";
    case kReceiptText: return "texto de recibo";
    case kCancel: return "cancelar comprobante";
    case kSetComSpeed: return "cambiar velocidad";
    }
    return "";
}

}  // namespace hasar_command
