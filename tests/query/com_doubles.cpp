#include "tests/query/com_doubles.h"

#include "tests/query/fake_com_entry.h"

namespace {

void Log(const std::string& line) { FakeComLibrary().log.push_back(line); }

std::string Number(long long n) { return std::to_string(n); }

template <typename Double>
HRESULT Hand(Double* self, REFIID iid, REFIID own, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, own)) {
        self->AddRef();
        *object = self;
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

}  // namespace

HRESULT UnknownDouble::QueryInterface(REFIID iid, void** object) { return Hand(this, iid, IID_IUnknown, object); }

ULONG UnknownDouble::Release() {
    Log("Release " + name);
    return --refs;
}

ObjectDouble::~ObjectDouble() {
    for (auto& value : values) VariantClear(&value.second);
}

void ObjectDouble::Add(const wchar_t* propertyName, VARIANT value) {
    if (propertyName == nullptr) {
        names.emplace_back(std::nullopt);
        VariantClear(&value);
        return;
    }
    names.emplace_back(std::wstring(propertyName));
    values[propertyName] = value;
}

HRESULT ObjectDouble::QueryInterface(REFIID iid, void** object) { return Hand(this, iid, IID_IWbemClassObject, object); }

ULONG ObjectDouble::Release() {
    Log("Release " + name);
    return --refs;
}

HRESULT ObjectDouble::Get(LPCWSTR wszName, LONG lFlags, VARIANT* pVal, CIMTYPE* pType, LONG* plFlavor) {
    Log("Get " + LogText(wszName) + " " + Number(lFlags) + " " + LogName(pType) + " " + LogName(plFlavor));
    ++getCalls;
    if (pVal->vt != VT_EMPTY) ++getsIntoAFullVariant;
    const auto found = values.find(wszName);
    if (found == values.end()) return WBEM_E_NOT_FOUND;
    // Like WMI, the value is written over whatever the VARIANT held.
    VariantInit(pVal);
    return VariantCopy(pVal, &found->second);
}

HRESULT ObjectDouble::GetNames(LPCWSTR wszQualifierName, LONG lFlags, VARIANT* pQualifierVal, SAFEARRAY** pNames) {
    Log("GetNames " + LogText(wszQualifierName) + " " + Number(lFlags) + " " + LogName(pQualifierVal));
    *pNames = nullptr;
    if (namesAnswer != S_OK) return namesAnswer;
    SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, lowerBound, static_cast<ULONG>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
        const auto& given = names[i];
        if (!given) continue;  // left null
        LONG index = lowerBound + static_cast<LONG>(i);
        BSTR copy = SysAllocString(given->c_str());
        SafeArrayPutElement(array, &index, copy);
        SysFreeString(copy);
    }
    *pNames = array;
    return S_OK;
}

HRESULT EnumeratorDouble::QueryInterface(REFIID iid, void** object) {
    return Hand(this, iid, IID_IEnumWbemClassObject, object);
}

ULONG EnumeratorDouble::Release() {
    Log("Release " + name);
    return --refs;
}

HRESULT EnumeratorDouble::Reset() {
    Log("Reset");
    position = 0;
    return S_OK;
}

HRESULT EnumeratorDouble::Next(LONG lTimeout, ULONG uCount, IWbemClassObject** apObjects, ULONG* puReturned) {
    Log("Next " + Number(lTimeout) + " " + Number(uCount));
    if (position >= objects.size()) {
        *puReturned = 0;
        return WBEM_S_FALSE;
    }
    ObjectDouble* object = objects[position++];
    object->AddRef();
    apObjects[0] = object;
    *puReturned = 1;
    return S_OK;
}

HRESULT ServicesDouble::QueryInterface(REFIID iid, void** object) {
    Log("QueryInterface " + std::string(IsEqualIID(iid, IID_IUnknown) ? "IID_IUnknown" : "other"));
    if (IsEqualIID(iid, IID_IUnknown) && base != nullptr) {
        base->AddRef();
        *object = static_cast<IUnknown*>(base);
        return S_OK;
    }
    return Hand(this, iid, IID_IWbemServices, object);
}

ULONG ServicesDouble::Release() {
    Log("Release " + name);
    return --refs;
}

HRESULT ServicesDouble::ExecQuery(const BSTR strQueryLanguage, const BSTR strQuery, LONG lFlags, IWbemContext* pCtx,
                                  IEnumWbemClassObject** ppEnum) {
    Log("ExecQuery " + LogText(strQueryLanguage) + " " + LogText(strQuery) + " " + Number(lFlags) + " " +
        LogName(pCtx));
    *ppEnum = nullptr;
    if (queryAnswer != S_OK) return queryAnswer;
    enumerator->AddRef();
    *ppEnum = enumerator;
    return S_OK;
}

HRESULT LocatorDouble::QueryInterface(REFIID iid, void** object) { return Hand(this, iid, IID_IWbemLocator, object); }

ULONG LocatorDouble::Release() {
    Log("Release " + name);
    return --refs;
}

HRESULT LocatorDouble::ConnectServer(const BSTR strNetworkResource, const BSTR strUser, const BSTR strPassword,
                                     const BSTR strLocale, LONG lSecurityFlags, const BSTR strAuthority,
                                     IWbemContext* pCtx, IWbemServices** ppNamespace) {
    Log("ConnectServer " + LogText(strNetworkResource) + " " + LogText(strUser) + " " + LogText(strPassword) + " " +
        LogText(strLocale) + " " + Number(lSecurityFlags) + " " + LogText(strAuthority) + " " + LogName(pCtx));
    *ppNamespace = nullptr;
    if (connectAnswer != S_OK) return connectAnswer;
    services->AddRef();
    *ppNamespace = services;
    return S_OK;
}

VARIANT I4Value(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT BstrValue(const wchar_t* text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = text == nullptr ? nullptr : SysAllocString(text);
    return v;
}

VARIANT TypedValue(VARTYPE type) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    v.llVal = 0;
    if (type == VT_BOOL) v.boolVal = VARIANT_TRUE;
    if (type == VT_R8) v.dblVal = 1.5;
    if (type == VT_UI1) v.bVal = 255;
    if (type == VT_I2) v.iVal = -2;
    if (type == VT_R4) v.fltVal = 2.5f;
    if (type == VT_DATE) v.date = 40000.0;
    if (type == VT_UI4) v.ulVal = 4000000000u;
    return v;
}

VARIANT ArrayValue(VARTYPE elementType, LONG count) {
    VARIANT v;
    VariantInit(&v);
    v.vt = static_cast<VARTYPE>(VT_ARRAY | elementType);
    v.parray = SafeArrayCreateVector(elementType, 0, static_cast<ULONG>(count));
    return v;
}
