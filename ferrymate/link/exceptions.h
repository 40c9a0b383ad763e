#pragma once

// The exception tree of Ferrymate. Every failure that a window handler shows
// to the user is one of these classes; each carries its message text (UTF-8,
// ready to be shown). Handlers catch them by class in a fixed order, so the
// class, not the text, is what callers test.

#include <exception>
#include <string>

namespace pf {

// Base of the tree: one message text.
class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : m_message(std::move(message)) {}
    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& Message() const noexcept { return m_message; }

  private:
    std::string m_message;
};

// --- Error reply codes of the cartridge's shell ---------------------------

class CmdException : public Exception {
  protected:
    using Exception::Exception;
};

// "504 NOT IMPLEMENTED"
class CmdNotImplementedException : public CmdException {
  public:
    CmdNotImplementedException();
};

// "450 NOT AVAILABLE" (for put: a file of that name already exists)
class CmdNotAvailableException : public CmdException {
  public:
    CmdNotAvailableException();
};

// "451 LOCAL ERR"
class CmdLocalErrorException : public CmdException {
  public:
    CmdLocalErrorException();
};

// "452 FS FULL"
class CmdFileSystemException : public CmdException {
  public:
    CmdFileSystemException();
};

// A command line that cannot be sent as it stands: longer than the 510 bytes
// that fit the line buffer, or an argument holding a double quote (which
// would end the quoted argument early). Raised before anything is written to
// the line, so the cartridge never sees the command.
class CmdArgumentException : public CmdException {
  public:
    using CmdException::CmdException;
};

// --- Serial line ------------------------------------------------------------

class CommException : public Exception {
  protected:
    using Exception::Exception;
};

// "can not open comm port!" -- the message stays that text; Reason() adds
// what the system said (for example "Permission denied") and Device() the
// device path that was tried, so the window can tell the user what to fix.
class CommOpenException : public CommException {
  public:
    CommOpenException(std::string device, std::string reason);
    const std::string& Device() const noexcept { return m_device; }
    const std::string& Reason() const noexcept { return m_reason; }

  private:
    std::string m_device;
    std::string m_reason;
};

// "Time out error!" -- ten seconds without a byte while reading a reply line.
class CommTimeoutException : public CommException {
  public:
    CommTimeoutException();
};

// "Time out error!" -- the XMODEM peer fell silent (a timeout, not an XMODEM
// error: ExecuteCommand does not drain the reply after it).
class CommXModemTimeout : public CommTimeoutException {
  public:
    CommXModemTimeout() = default;
};

// "通信がキャンセルされました" -- the port's abort flag was found set.
class CommAbortException : public CommException {
  public:
    CommAbortException();
};

class CommXModemException : public CommException {
  protected:
    using CommException::CommException;
};

// "ユーザーによる中断" -- the engine's cancel flag, or CAN at the start or end.
class XUserBreak : public CommXModemException {
  public:
    XUserBreak();
};

// "ファイルオープンに失敗しました"
class XFileOpenError : public CommXModemException {
  public:
    XFileOpenError();
};

// "リトライしましたがダメでした"
class XRetryOver : public CommXModemException {
  public:
    XRetryOver();
};

// "CANを受信しました"
class XCANReceived : public CommXModemException {
  public:
    XCANReceived();
};

// --- Others of the program --------------------------------------------------

// program + "コマンドが実行できませんでした。"
class CreateProcException : public Exception {
  public:
    explicit CreateProcException(const std::string& program);
};

// "指定されたディレクトリが見つかりません"
class EDirNotFound : public Exception {
  public:
    EDirNotFound();
};

} // namespace pf
