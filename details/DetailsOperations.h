// CDetailsOperations: the details window's directory operations (the owner's Save and Update
// From Database, a contact's Retrieve), the busy state while one runs, and the handling of its
// result on the window's thread. The window owns it and serves it through
// CDetailsOperations::Window.
#pragma once

#include <string>

#include "details/DetailsOpSink.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/host/MIDBOperation.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Unknown.h"

// Whether a button, or the pages, take input.
enum class ItemState { Enabled, Disabled };

class CDetailsOperations {
public:
    // What the operations ask of the window that owns them.
    class Window {
    public:
        // The owner of the boxes and questions the operations show; gone once the window is.
        virtual HWND QuestionOwner() const = 0;
        // The window's buttons (res/ResourceIds.h) and its busy animation.
        virtual std::string ItemText(int id) const = 0;
        virtual void SetItemText(int id, const char* text) = 0;
        virtual void EnableItem(int id, ItemState state) = 0;
        virtual void PlayAnimation() = 0;
        virtual void StopAnimation() = 0;
        // The pages: whether every one takes its entries, writing them to the record, telling
        // outside components they were written, reading the record again, taking input.
        virtual bool ValidatePages() = 0;
        virtual void CommitPages() = 0;
        virtual void ReportPagesCommitted() = 0;
        virtual void ReloadPages() = 0;
        virtual void EnablePages(ItemState state) = 0;
        // An upload ended: the details are in the directory, or they are not.
        virtual void UploadEnded(bool saved) = 0;

    protected:
        ~Window() = default;
    };

    // What a window offers: the owner's own window uploads and refreshes his details (Save and
    // Update From Database); every other form retrieves a contact's.
    enum class Offered { Retrieve, UploadAndRefresh };

    // Borrows |window| and |record|; both outlive the operations.
    CDetailsOperations(Window& window, MCVariantPropertySet& record, Offered offered);
    // Ends the running operation; no result of it is handled afterwards.
    ~CDetailsOperations();
    CDetailsOperations(const CDetailsOperations&) = delete;
    CDetailsOperations& operator=(const CDetailsOperations&) = delete;

    // Uploads the owner's details: the pages are validated, the owner asked when his security
    // level calls for it, the pages committed; nothing starts when nothing is left to upload.
    // False when the details were not committed or their upload did not start.
    bool Save(IUnknown* owner);
    // Fetches |contact|'s details from the directory; the pages reload once they are in.
    void Retrieve(IUnknown* contact);
    // Asks the owner, then refreshes his details from the directory.
    void UpdateFromDatabase(IUnknown* owner);
    // Ends the current operation, if any: no result of it is handled afterwards.
    void End();
    bool Running() const { return m_operation.Get() != nullptr; }
    // The callback the operations report to.
    MIDBOpCallback* Callback() const { return m_sink.Get(); }

    // Results of the current operation, on the window's thread (CDetailsOpSink).
    void OnDone();
    void OnFailed(int code, const std::string& text);

private:
    enum class Kind { Upload, Retrieval, Refresh };

    // Whether the owner's security level lets the upload go ahead.
    bool ConfirmUpload(IUnknown* owner);
    // Creates operation |Op| through the host and starts it with |start|; on success it is the
    // current operation.
    template <class Op, class StartCall>
    HRESULT Start(Kind kind, StartCall start);
    // The animation, the buttons that start operations and every page, as an upload or a
    // refresh runs, or as any operation ends.
    void ShowBusy();
    void ShowIdle();
    void EnableOperationButtons(ItemState state);
    // An operation that could not be started leaves the window as it was, and says so.
    void OnStartFailed(HRESULT result);

    Window& m_window;
    MCVariantPropertySet& m_record;
    Offered m_offered;
    winport::ComPtr<CDetailsOpSink> m_sink;
    // The running operation, and what it does.
    winport::ComPtr<MIDBOperation> m_operation;
    Kind m_kind = Kind::Upload;
};
