#pragma once

#include <string>
#include <vector>

/// A program to start and the arguments to give it.
struct CommandLine
{
    std::string program;
    std::vector<std::string> arguments;
};

/// Shared components that an installer places in the system folder and registers with
/// the system, and the tool that registers them. They belong to the desktop, not to the
/// program: a desktop that has no such components gives empty lists.
class SharedComponents
{
public:
    virtual ~SharedComponents() = default;

    /// File names of the components the install engine places: each is copied from the
    /// package only when the system folder lacks it, then registered.
    virtual std::vector<std::string> engineComponents() = 0;

    /// File names of the components the installer's own pages need, by the same rule.
    virtual std::vector<std::string> installerComponents() = 0;

    /// The command that registers one component silently; an empty program when the
    /// desktop has no registration tool.
    virtual CommandLine registrationCommand(const std::string &componentPath) = 0;

    /// True when the installer's file-system service can be created now. Where the
    /// programs reach files through the standard library, it always can.
    virtual bool fileSystemAvailable() { return true; }

    /// The component that provides the file-system service, placed and registered when
    /// the service cannot be created; empty where no component provides it.
    virtual std::string fileSystemComponent() { return {}; }
};
