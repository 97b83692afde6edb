#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace presslane {

// The download control as its hosts see it: the interface the control object created by the
// Grabkit library implements. Hosts hold it by this interface only, so they need nothing of the
// library at build time.
class FileDownControl {
public:
    // Error codes of OnError. Codes 0 to 4 are the classic ones; 5 reports a local file that
    // could not be created or written.
    enum ErrorCode : std::int16_t {
        kNoServer = 0,
        kNotFound = 1,
        kHttpStatus = 2,
        kSocket = 3,
        kBusy = 4,
        kFileWrite = 5,
    };
    struct Events {
        std::function<void(std::int32_t received, std::int32_t file_size)> OnDownload;
        std::function<void(std::int32_t file_size)> OnComplete;
        std::function<void(std::int16_t code, std::string message)> OnError;
    };
    // The persisted properties: "URL" and "DownPath"; an empty value is not stored.
    using PropertyBag = std::map<std::string, std::string>;

    virtual ~FileDownControl() = default;
    // True while the body of a download is being written.
    virtual bool Working() const = 0;
    virtual std::string URL() const = 0;
    virtual void set_URL(const std::string& url) = 0;
    virtual std::string DownPath() const = 0;
    virtual void set_DownPath(const std::string& path) = 0;
    virtual void FileDownload() = 0;
    virtual void Cancel() = 0;
    virtual void set_events(Events events) = 0;
    virtual void ReadProperties(const PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;
};

// The class object the library hands out for the download control's ProgID.
class FileDownClassFactory {
public:
    // Creates a control whose face is a child of `parent` (the host's QWidget) and is destroyed
    // with it; the returned interface lives exactly as long as that face.
    virtual FileDownControl* CreateInstance(void* parent) = 0;

protected:
    ~FileDownClassFactory() = default;
};

inline constexpr char kFileDownProgId[] = "Grabkit.FileDown";

}  // namespace presslane
