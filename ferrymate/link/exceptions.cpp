#include "ferrymate/link/exceptions.h"

namespace pf {

CmdNotImplementedException::CmdNotImplementedException() : CmdException("504 NOT IMPLEMENTED") {}
CmdNotAvailableException::CmdNotAvailableException() : CmdException("450 NOT AVAILABLE") {}
CmdLocalErrorException::CmdLocalErrorException() : CmdException("451 LOCAL ERR") {}
CmdFileSystemException::CmdFileSystemException() : CmdException("452 FS FULL") {}

CommOpenException::CommOpenException(std::string device, std::string reason)
    : CommException("can not open comm port!"), m_device(std::move(device)), m_reason(std::move(reason)) {}
CommTimeoutException::CommTimeoutException() : CommException("Time out error!") {}
CommAbortException::CommAbortException() : CommException("通信がキャンセルされました") {}

XUserBreak::XUserBreak() : CommXModemException("ユーザーによる中断") {}
XFileOpenError::XFileOpenError() : CommXModemException("ファイルオープンに失敗しました") {}
XRetryOver::XRetryOver() : CommXModemException("リトライしましたがダメでした") {}
XCANReceived::XCANReceived() : CommXModemException("CANを受信しました") {}

CreateProcException::CreateProcException(const std::string& program)
    : Exception(program + "コマンドが実行できませんでした。") {}
EDirNotFound::EDirNotFound() : Exception("指定されたディレクトリが見つかりません") {}

} // namespace pf
