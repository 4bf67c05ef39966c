#pragma once
// Test doubles of the WMI interfaces a conversation meets, for cases real WMI cannot produce:
// failing steps, unusual value types, names outside the code page, and counting references.
// Each double starts with one reference, the test's own; the calls that hand a double out add
// one. The calls of the code under test are written into the fake COM library's log.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
#include <wbemidl.h>

// A member no conversation calls: one line that answers E_NOTIMPL.
#define NOT_IMPLEMENTED(name, parameters) \
    HRESULT STDMETHODCALLTYPE name parameters override { return E_NOTIMPL; }

class UnknownDouble : public IUnknown {
public:
    explicit UnknownDouble(std::string name) : name(std::move(name)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override;
    std::string name;
    ULONG refs = 1;
};

class ObjectDouble final : public IWbemClassObject {
public:
    explicit ObjectDouble(std::string name) : name(std::move(name)) {}
    ~ObjectDouble();
    // A property with that name and value (the double takes the value over); a null name makes
    // an element that holds no name.
    void Add(const wchar_t* propertyName, VARIANT value);

    std::string name;
    ULONG refs = 1;
    LONG lowerBound = 0;           // of the names array
    HRESULT namesAnswer = S_OK;    // anything else: GetNames fails and gives no array
    int getCalls = 0;
    int getsIntoAFullVariant = 0;  // Get found the VARIANT still holding an earlier value
    std::vector<std::optional<std::wstring>> names;
    std::map<std::wstring, VARIANT> values;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Get(LPCWSTR wszName, LONG lFlags, VARIANT* pVal, CIMTYPE* pType, LONG* plFlavor) override;
    HRESULT STDMETHODCALLTYPE GetNames(LPCWSTR wszQualifierName, LONG lFlags, VARIANT* pQualifierVal,
                                       SAFEARRAY** pNames) override;
    // Not used by a conversation.
    NOT_IMPLEMENTED(GetQualifierSet, (IWbemQualifierSet**))
    NOT_IMPLEMENTED(Put, (LPCWSTR, LONG, VARIANT*, CIMTYPE))
    NOT_IMPLEMENTED(Delete, (LPCWSTR))
    NOT_IMPLEMENTED(BeginEnumeration, (LONG))
    NOT_IMPLEMENTED(Next, (LONG, BSTR*, VARIANT*, CIMTYPE*, LONG*))
    NOT_IMPLEMENTED(EndEnumeration, ())
    NOT_IMPLEMENTED(GetPropertyQualifierSet, (LPCWSTR, IWbemQualifierSet**))
    NOT_IMPLEMENTED(Clone, (IWbemClassObject**))
    NOT_IMPLEMENTED(GetObjectText, (LONG, BSTR*))
    NOT_IMPLEMENTED(SpawnDerivedClass, (LONG, IWbemClassObject**))
    NOT_IMPLEMENTED(SpawnInstance, (LONG, IWbemClassObject**))
    NOT_IMPLEMENTED(CompareTo, (LONG, IWbemClassObject*))
    NOT_IMPLEMENTED(GetPropertyOrigin, (LPCWSTR, BSTR*))
    NOT_IMPLEMENTED(InheritsFrom, (LPCWSTR))
    NOT_IMPLEMENTED(GetMethod, (LPCWSTR, LONG, IWbemClassObject**, IWbemClassObject**))
    NOT_IMPLEMENTED(PutMethod, (LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*))
    NOT_IMPLEMENTED(DeleteMethod, (LPCWSTR))
    NOT_IMPLEMENTED(BeginMethodEnumeration, (LONG))
    NOT_IMPLEMENTED(NextMethod, (LONG, BSTR*, IWbemClassObject**, IWbemClassObject**))
    NOT_IMPLEMENTED(EndMethodEnumeration, ())
    NOT_IMPLEMENTED(GetMethodQualifierSet, (LPCWSTR, IWbemQualifierSet**))
    NOT_IMPLEMENTED(GetMethodOrigin, (LPCWSTR, BSTR*))
};

class EnumeratorDouble : public IEnumWbemClassObject {
public:
    explicit EnumeratorDouble(std::string name) : name(std::move(name)) {}
    std::string name;
    ULONG refs = 1;
    std::vector<ObjectDouble*> objects;  // returned in order, one per Next
    size_t position = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Next(LONG lTimeout, ULONG uCount, IWbemClassObject** apObjects,
                                   ULONG* puReturned) override;
    NOT_IMPLEMENTED(NextAsync, (ULONG, IWbemObjectSink*))
    NOT_IMPLEMENTED(Clone, (IEnumWbemClassObject**))
    NOT_IMPLEMENTED(Skip, (LONG, ULONG))
};

class ServicesDouble : public IWbemServices {
public:
    explicit ServicesDouble(std::string name) : name(std::move(name)) {}
    std::string name;
    ULONG refs = 1;
    UnknownDouble* base = nullptr;  // what QueryInterface gives for IUnknown; itself when null
    EnumeratorDouble* enumerator = nullptr;
    HRESULT queryAnswer = S_OK;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE ExecQuery(const BSTR strQueryLanguage, const BSTR strQuery, LONG lFlags,
                                        IWbemContext* pCtx, IEnumWbemClassObject** ppEnum) override;
    // Not used by a conversation.
    NOT_IMPLEMENTED(OpenNamespace, (BSTR, LONG, IWbemContext*, IWbemServices**, IWbemCallResult**))
    NOT_IMPLEMENTED(CancelAsyncCall, (IWbemObjectSink*))
    NOT_IMPLEMENTED(QueryObjectSink, (LONG, IWbemObjectSink**))
    NOT_IMPLEMENTED(GetObject, (BSTR, LONG, IWbemContext*, IWbemClassObject**, IWbemCallResult**))
    NOT_IMPLEMENTED(GetObjectAsync, (BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(PutClass, (IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**))
    NOT_IMPLEMENTED(PutClassAsync, (IWbemClassObject*, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(DeleteClass, (BSTR, LONG, IWbemContext*, IWbemCallResult**))
    NOT_IMPLEMENTED(DeleteClassAsync, (BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(CreateClassEnum, (BSTR, LONG, IWbemContext*, IEnumWbemClassObject**))
    NOT_IMPLEMENTED(CreateClassEnumAsync, (BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(PutInstance, (IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**))
    NOT_IMPLEMENTED(PutInstanceAsync, (IWbemClassObject*, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(DeleteInstance, (BSTR, LONG, IWbemContext*, IWbemCallResult**))
    NOT_IMPLEMENTED(DeleteInstanceAsync, (BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(CreateInstanceEnum, (BSTR, LONG, IWbemContext*, IEnumWbemClassObject**))
    NOT_IMPLEMENTED(CreateInstanceEnumAsync, (BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(ExecQueryAsync, (BSTR, BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(ExecNotificationQuery, (BSTR, BSTR, LONG, IWbemContext*, IEnumWbemClassObject**))
    NOT_IMPLEMENTED(ExecNotificationQueryAsync, (BSTR, BSTR, LONG, IWbemContext*, IWbemObjectSink*))
    NOT_IMPLEMENTED(ExecMethod, (BSTR, BSTR, LONG, IWbemContext*, IWbemClassObject*, IWbemClassObject**, IWbemCallResult**))
    NOT_IMPLEMENTED(ExecMethodAsync, (BSTR, BSTR, LONG, IWbemContext*, IWbemClassObject*, IWbemObjectSink*))
};

class LocatorDouble : public IWbemLocator {
public:
    explicit LocatorDouble(std::string name) : name(std::move(name)) {}
    std::string name;
    ULONG refs = 1;
    ServicesDouble* services = nullptr;
    HRESULT connectAnswer = S_OK;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE ConnectServer(const BSTR strNetworkResource, const BSTR strUser, const BSTR strPassword,
                                            const BSTR strLocale, LONG lSecurityFlags, const BSTR strAuthority,
                                            IWbemContext* pCtx, IWbemServices** ppNamespace) override;
};

#undef NOT_IMPLEMENTED

// Values for ObjectDouble::Add.
VARIANT I4Value(LONG value);
VARIANT BstrValue(const wchar_t* text);  // a null text makes a VT_BSTR holding a null BSTR
VARIANT TypedValue(VARTYPE type);        // that type with a zero value: VT_NULL, VT_BOOL, VT_R8, ...
VARIANT ArrayValue(VARTYPE elementType, LONG count);
