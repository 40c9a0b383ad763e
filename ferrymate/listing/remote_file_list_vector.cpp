#include "ferrymate/listing/remote_file_list_vector.h"

#include "ferrymate/link/command_set.h"
#include "ferrymate/listing/listing_reply.h"

namespace pf {

RemoteListingException::RemoteListingException()
    : Exception("カートリッジのファイル一覧を読み取れませんでした。(応答に \"125 STARTING\" がありません)") {}

RemoteListingNoPortException::RemoteListingNoPortException() : Exception("Pocketforgeに接続されていません") {}

void RemoteFileListVector::Read(std::string_view directory) {
    clear();
    if (m_port == nullptr)
        throw RemoteListingNoPortException();

    ReplyList listingReply;
    CmdList(*m_port, directory, &listingReply);
    auto records = parseListingReply(listingReply);
    if (!records)
        throw RemoteListingException();
    assign(std::make_move_iterator(records->begin()), std::make_move_iterator(records->end()));

    ReplyList dfReply;
    CmdDf(*m_port, &dfReply);
    m_freeSpace = parseFreeSpace(dfReply, directory);
}

} // namespace pf
