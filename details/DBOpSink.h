// MTDBOpSink: where a database operation's results arrive. Results may be posted from any
// thread; each goes to a hidden window of the thread that made the sink, which hands it to
// OnResult there.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/mfc/Wnd.h"

// One result of a database operation; the success form carries nothing.
class DBOpResult {
public:
    virtual ~DBOpResult() = default;
};

class DBOpErrorResult final : public DBOpResult {
public:
    DBOpErrorResult(std::string text, int code) : m_text(std::move(text)), m_code(code) {}
    const std::string& Text() const { return m_text; }
    int Code() const { return m_code; }

private:
    std::string m_text;
    int m_code;
};

// The hidden window's message: first parameter the code, second the result.
inline constexpr UINT kDBOpResultMessage = WM_APP + 1;

class MTDBOpSink {
public:
    // Handles one result on the sink's thread; |result| is freed afterwards.
    virtual LRESULT OnResult(int code, DBOpResult* result) = 0;
    virtual ~MTDBOpSink();

    MTDBOpSink(const MTDBOpSink&) = delete;
    MTDBOpSink& operator=(const MTDBOpSink&) = delete;

    // Any thread: queues |result| (null: an empty success) for the sink's thread. Once the sink
    // is closed the result is dropped.
    void Post(int code, std::unique_ptr<DBOpResult> result);
    // Sink's thread: drops every result not handled yet.
    void Flush();
    // Sink's thread: flushes and destroys the hidden window; results posted later are dropped.
    void Close();

    HWND GetSafeHwnd() const { return m_window.GetSafeHwnd(); }
    // Results posted and not yet handled.
    size_t PendingCount();

protected:
    MTDBOpSink();

private:
    class CSinkWindow final : public CWnd {
    public:
        explicit CSinkWindow(MTDBOpSink& sink) : m_sink(sink) {}
        std::optional<LRESULT> OnMessage(const winport::Message& m) override;

    private:
        MTDBOpSink& m_sink;
    };

    // The hidden window's handling of one posted result; a result no longer pending was
    // flushed and is left alone.
    LRESULT HandlePosted(WPARAM code, LPARAM result);
    // With the lock held: empties the queue and the pending list.
    void FlushLocked();

    std::mutex m_mutex;
    std::vector<std::unique_ptr<DBOpResult>> m_pending;
    bool m_closed = false;
    CSinkWindow m_window{*this};
};
