// The host's data-list component, class kDataListServiceClsid: the category tables whose codes
// the records store (occupations, the home-page directory's topics), read from datalists.json
// in the folder of the shipped data. Each list is a table of rows with named whole-number and
// text fields.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "client/host/HostValues.h"
#include "module/host/MIDataListService.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/gdi/ImageList.h"

namespace nuvclient {

// The shipped tables, in the folder of the shipped data.
inline constexpr char kDataListsName[] = "datalists.json";

// One row: its fields by name, each a whole number or a text.
using DataRow = std::map<std::string, std::variant<LONG, std::string>, std::less<>>;
using DataTable = std::vector<DataRow>;

// The tables by name. Throws std::runtime_error naming the file and what is wrong with it.
std::map<std::string, DataTable, std::less<>> ReadDataLists(const std::filesystem::path& file);

class DataList final : public winport::ComObject<MINUVDataList>, private LiveHostObjects {
public:
    explicit DataList(std::shared_ptr<const DataTable> rows) : m_rows(std::move(rows)) {}
    ~DataList() override;

    HRESULT GetCount(LONG* count) override;
    // E_INVALIDARG for a row out of range or a field the row does not have as a number.
    HRESULT GetLong(LONG row, const char* field, LONG* value) override;
    HRESULT GetString(LONG row, const char* field, const char** text) override;
    // Row 0's "imagelist": the image list of the strip the row names, made on the first call
    // and owned by the list. E_INVALIDARG for any other row or field, or a strip the client
    // does not carry.
    HRESULT GetHandle(LONG row, const char* field, void** handle) override;
    // S_FALSE (and -1) when no row has that value.
    HRESULT FindRow(const char* field, LONG value, LONG* row) override;

private:
    const DataRow* Row(LONG row) const;

    std::shared_ptr<const DataTable> m_rows;
    HIMAGELIST m_images = nullptr;
};

class DataListService final : public winport::ComObject<MIDataListService>,
                              private LiveHostObjects {
public:
    explicit DataListService(
        std::shared_ptr<const std::map<std::string, DataTable, std::less<>>> lists)
        : m_lists(std::move(lists)) {}

    // E_INVALIDARG for a list the host does not have, E_POINTER for a null |list|.
    HRESULT GetList(const char* name, MINUVDataList** list) override;

private:
    std::shared_ptr<const std::map<std::string, DataTable, std::less<>>> m_lists;
};

// Reads the tables and registers DataListService for CoCreateInstance for as long as it lives.
class DataListServiceClass {
public:
    // Throws std::runtime_error when the tables cannot be read or another host registered the
    // class.
    explicit DataListServiceClass(const std::filesystem::path& dataFolder);

    // From now on the services made lack the list |name|, as a host without it would; "all"
    // makes the service itself unavailable (CLASS_E_CLASSNOTAVAILABLE). False for a name the
    // tables do not have.
    bool Withhold(std::string_view name);

private:
    std::shared_ptr<const std::map<std::string, DataTable, std::less<>>> m_lists;
    bool m_available = true;
    winport::ScopedComClass m_class;
};

}  // namespace nuvclient
