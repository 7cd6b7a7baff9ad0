#include "client/host/DataLists.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "client/host/ListImages.h"
#include "module/host/HostIds.h"

namespace nuvclient {
namespace {

using Lists = std::map<std::string, DataTable, std::less<>>;

DataRow ReadRow(const nlohmann::json& entry, const std::string& where) {
    if (!entry.is_object()) throw std::runtime_error(where + " is not an object");
    DataRow row;
    for (const auto& [name, value] : entry.items()) {
        if (value.is_string()) {
            row.emplace(name, value.get<std::string>());
        } else if (value.is_number_integer() &&
                   value.get<long long>() >= std::numeric_limits<LONG>::min() &&
                   value.get<long long>() <= std::numeric_limits<LONG>::max()) {
            row.emplace(name, static_cast<LONG>(value.get<long long>()));
        } else {
            throw std::runtime_error(where + ": \"" + name + "\" is neither a text nor a number");
        }
    }
    const auto code = row.find("code");
    if (code == row.end() || !std::holds_alternative<LONG>(code->second) ||
        std::get<LONG>(code->second) == 0)
        throw std::runtime_error(where + " has no nonzero \"code\"");
    return row;
}

}  // namespace

Lists ReadDataLists(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error(file.string() + ": cannot be opened (" + std::strerror(errno) +
                                 ")");
    const nlohmann::json tables = nlohmann::json::parse(in, nullptr, false);
    if (tables.is_discarded() || !tables.is_object())
        throw std::runtime_error(file.string() + ": is not a JSON object of lists");
    Lists lists;
    for (const auto& [name, entries] : tables.items()) {
        const std::string where = file.string() + ": list \"" + name + "\"";
        if (!entries.is_array()) throw std::runtime_error(where + " is not an array");
        DataTable& table = lists[name];
        for (std::size_t i = 0; i < entries.size(); ++i)
            table.push_back(ReadRow(entries[i], where + " row " + std::to_string(i)));
    }
    return lists;
}

const DataRow* DataList::Row(LONG row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows->size()) return nullptr;
    return &(*m_rows)[static_cast<std::size_t>(row)];
}

HRESULT DataList::GetCount(LONG* count) {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(m_rows->size());
    return S_OK;
}

HRESULT DataList::GetLong(LONG row, const char* field, LONG* value) {
    if (!field || !value) return E_POINTER;
    const DataRow* found = Row(row);
    if (!found) return E_INVALIDARG;
    const auto cell = found->find(field);
    if (cell == found->end() || !std::holds_alternative<LONG>(cell->second)) return E_INVALIDARG;
    *value = std::get<LONG>(cell->second);
    return S_OK;
}

HRESULT DataList::GetString(LONG row, const char* field, const char** text) {
    if (!field || !text) return E_POINTER;
    const DataRow* found = Row(row);
    if (!found) return E_INVALIDARG;
    const auto cell = found->find(field);
    if (cell == found->end() || !std::holds_alternative<std::string>(cell->second))
        return E_INVALIDARG;
    *text = std::get<std::string>(cell->second).c_str();
    return S_OK;
}

DataList::~DataList() {
    if (m_images) ImageList_Destroy(m_images);
}

HRESULT DataList::GetHandle(LONG row, const char* field, void** handle) {
    if (!field || !handle) return E_POINTER;
    const char* strip = nullptr;
    if (row != 0 || std::string_view(field) != "imagelist" ||
        GetString(0, "imagelist", &strip) != S_OK) {
        return E_INVALIDARG;
    }
    if (!m_images) m_images = CreateListImages(strip);
    if (!m_images) return E_INVALIDARG;
    *handle = m_images;
    return S_OK;
}

HRESULT DataList::FindRow(const char* field, LONG value, LONG* row) {
    if (!field || !row) return E_POINTER;
    *row = -1;
    for (std::size_t i = 0; i < m_rows->size(); ++i) {
        const auto cell = (*m_rows)[i].find(field);
        if (cell != (*m_rows)[i].end() && std::holds_alternative<LONG>(cell->second) &&
            std::get<LONG>(cell->second) == value) {
            *row = static_cast<LONG>(i);
            return S_OK;
        }
    }
    return S_FALSE;
}

HRESULT DataListService::GetList(const char* name, MINUVDataList** list) {
    if (!list) return E_POINTER;
    *list = nullptr;
    const auto found = name ? m_lists->find(name) : m_lists->end();
    if (found == m_lists->end()) return E_INVALIDARG;
    try {
        // The list shares the table with the service's other lists; both live while held.
        std::shared_ptr<const DataTable> rows(m_lists, &found->second);
        *list = winport::MakeComObject<DataList>(std::move(rows)).Detach();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

DataListServiceClass::DataListServiceClass(const std::filesystem::path& dataFolder)
    : m_lists(std::make_shared<const Lists>(ReadDataLists(dataFolder / kDataListsName))),
      m_class(kDataListServiceClsid, [this](REFIID riid, void** ppv) -> HRESULT {
          if (!m_available) return CLASS_E_CLASSNOTAVAILABLE;
          try {
              return winport::MakeComObject<DataListService>(m_lists)->QueryInterface(riid, ppv);
          } catch (const std::bad_alloc&) {
              return E_OUTOFMEMORY;
          }
      }) {
    if (!m_class.Registered())
        throw std::runtime_error(
            "the data list class is registered already: another host is running");
}

bool DataListServiceClass::Withhold(std::string_view name) {
    if (name == "all") {
        m_available = false;
        return true;
    }
    const auto found = m_lists->find(name);
    if (found == m_lists->end()) return false;
    Lists remaining = *m_lists;
    remaining.erase(std::string(name));
    m_lists = std::make_shared<const Lists>(std::move(remaining));
    return true;
}

}  // namespace nuvclient
