#pragma once

// Every error number the program can show, in one place so none is used twice, each with its
// class and the few words a verdict names it by. An unscoped enumeration, so each number still
// reads as the int the window shows.
namespace error_number {

enum Number : int {
    // 6 and 13 are the window's conversions of text into numbers (app/conversion_error.h).
    // An unexpected failure inside the program itself.
    kInternal = 51,

    // Serial link shared by both brands, and the Hasar driver.
    kPortInvalid = 8001,       // port number 0 or out of range
    kPortMissing = 8002,       // no such device
    kPortBusy = 8003,          // in use by another program
    kPortOpenFailed = 8004,    // any other reason the port would not open
    kPortLost = 8005,          // the device failed or vanished while open
    kPortNotOpen = 8006,       // a command without an open session
    kNoAnswer = 8007,          // silence after every send
    kGarbledLink = 8008,       // frames damaged again and again
    kFieldNotSendable = 8009,  // a byte the frame cannot carry
    kAborted = 8010,           // the window closed during a wait
    kLinkBusy = 8011,          // a second command while one waits
    kBadReply = 8012,          // a reply without readable status words
    kPrinterRefused = 8013,    // fiscal status reports the command refused
    kPrinterFault = 8014,      // printer status reports a mechanical fault
    kBadArgument = 8015,       // a value the protocol cannot express
    kPrinterStuck = 8016,      // busy bytes without end
    // A document that may have been issued, and a device that is no fiscal printer.
    kNotAFiscalPrinter = 8017,  // the device on the port answers outside the protocol
    kIssuedReplyLost = 8018,    // the document was issued; only its reply was lost
    kNotIssued = 8019,          // the document was not issued and can be repeated
    kIssueUnknown = 8020,       // the printer's own record cannot tell whether it was issued
    kOpenWithPayment = 8021,    // the document is still open with a payment: it can only be closed
    kCancelledByPrinter = 8022, // the printer cancelled the document (its number is used up)
    // A serial device on a real bench: what the system refuses, and the printer found on it.
    kPortForbidden = 8030,  // this user may not open the device
    kOtherProtocol = 8031,  // the printer speaks the other brand's protocol
    kOtherSpeed = 8032,     // silent at the port's speed, the printer answers at another one
    // A second-generation Hasar on the network.
    kNetworkUnreachable = 8040,  // no connection was made: nothing was sent
    kNetworkLost = 8041,         // the connection ended after the command left, without a reply
    kLoginRefused = 8042,        // the printer refused the user or password: nothing was run
    // What each printer understands, as its maker documents it.
    kUnprintableCharacter = 8050,  // a character outside the printer's character set
    kCancelRefused = 8051,         // the printer would not cancel the open document
    kCommandNotInModel = 8052,     // the printer's model has no such command
    // The link as the Hasar manual describes it.
    kCommandTooLong = 8060,   // the printer answered DC3: the command exceeds its buffer
    kBufferStillFull = 8061,  // the print buffer stayed full for the whole command limit
    // A logo file that is missing, unreadable, not an image or too large.
    kLogoFile = 8300,
};

// What a failure says about the command it met, which decides what the program does next.
enum class Class {
    Plain,    // nothing reached the printer, or what did was answered
    Port,     // the port would not open or is not open: nothing was sent
    Doubt,    // the link failed after the command left: the printer may have acted on it
    Refusal,  // the printer answered that it refused the command or failed at it
};

struct Row {
    Number number;
    Class kind;
    const char* cause;  // inside a verdict: "el impresor no respondió"; null for the plain ones
};

// The numbers that are not plain.
inline constexpr Row kRows[] = {
    {kPortInvalid, Class::Port, nullptr},
    {kPortMissing, Class::Port, nullptr},
    {kPortBusy, Class::Port, nullptr},
    {kPortOpenFailed, Class::Port, nullptr},
    {kPortNotOpen, Class::Port, nullptr},
    {kPortForbidden, Class::Port, nullptr},
    {kNetworkUnreachable, Class::Port, nullptr},
    {kPortLost, Class::Doubt, "se perdió el puerto"},
    {kNetworkLost, Class::Doubt, "se cortó la conexión sin respuesta"},
    {kNoAnswer, Class::Doubt, "el impresor no respondió"},
    {kGarbledLink, Class::Doubt, "las respuestas llegaron dañadas"},
    {kPrinterStuck, Class::Doubt, "el impresor quedó ocupado"},
    {kBadReply, Class::Doubt, "su respuesta no se pudo leer"},
    {kNotAFiscalPrinter, Class::Doubt, "el puerto respondió fuera del protocolo"},
    {kPrinterRefused, Class::Refusal, "el impresor rechazó el cierre"},
    {kPrinterFault, Class::Refusal, "el impresor informó una falla"},
};

constexpr const Row* rowOf(int number) {
    for (const Row& row : kRows)
        if (row.number == number) return &row;
    return nullptr;
}

constexpr Class classOf(int number) {
    const Row* row = rowOf(number);
    return row ? row->kind : Class::Plain;
}

}  // namespace error_number
