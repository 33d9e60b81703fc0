#pragma once

// Every error number the program can show, in one place so none is used twice.
namespace error_number {

// Conversions of text into numbers, numbered as the original platform numbers them.
constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;
// An unexpected failure inside the program itself.
constexpr int kInternal = 51;

// Serial link shared by both brands, and the Hasar driver.
constexpr int kPortInvalid = 8001;       // port number 0 or out of range
constexpr int kPortMissing = 8002;       // no such device
constexpr int kPortBusy = 8003;          // in use by another program
constexpr int kPortOpenFailed = 8004;    // any other reason the port would not open
constexpr int kPortLost = 8005;          // the device failed or vanished while open
constexpr int kPortNotOpen = 8006;       // a command without an open session
constexpr int kNoAnswer = 8007;          // silence after every send
constexpr int kGarbledLink = 8008;       // frames damaged again and again
constexpr int kFieldNotSendable = 8009;  // a byte the frame cannot carry
constexpr int kAborted = 8010;           // the window closed during a wait
constexpr int kLinkBusy = 8011;          // a second command while one waits
constexpr int kBadReply = 8012;          // a reply without readable status words
constexpr int kPrinterRefused = 8013;    // fiscal status reports the command refused
constexpr int kPrinterFault = 8014;      // printer status reports a mechanical fault
constexpr int kBadArgument = 8015;       // a value the protocol cannot express
constexpr int kPrinterStuck = 8016;      // busy bytes without end
// A document that may have been issued, and a device that is no fiscal printer.
constexpr int kNotAFiscalPrinter = 8017;  // the device on the port answers outside the protocol
constexpr int kIssuedReplyLost = 8018;    // the document was issued; only its reply was lost
constexpr int kNotIssued = 8019;          // the document was not issued and can be repeated
constexpr int kIssueUnknown = 8020;       // the printer could not be asked whether it was issued
// A serial device on a real bench: what the system refuses, and the printer found on it.
constexpr int kPortForbidden = 8030;  // this user may not open the device
constexpr int kOtherProtocol = 8031;  // the printer speaks the other brand's protocol
// What each printer understands, as its maker documents it.
constexpr int kUnprintableCharacter = 8050;  // a character outside the printer's character set
constexpr int kCancelRefused = 8051;         // the printer would not cancel the open document
constexpr int kCommandNotInModel = 8052;     // the printer's model has no such command
// The link as the Hasar manual describes it.
constexpr int kCommandTooLong = 8060;   // the printer answered DC3: the command exceeds its buffer
constexpr int kBufferStillFull = 8061;  // the print buffer stayed full for the whole command limit
// A logo file that is missing, unreadable, not an image or too large.
constexpr int kLogoFile = 8300;

}  // namespace error_number
