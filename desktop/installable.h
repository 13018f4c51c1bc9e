#pragma once

/// A desktop service that code with nothing but a drop's data to go on finds by itself:
/// the desktop's implementation registers itself here for as long as it lives.
template <typename Service> class Installable
{
public:
    static Service *installed() { return s_installed; }
    static void install(Service *service) { s_installed = service; }
    /// Takes service away again, unless another has been installed since.
    static void uninstall(const Service *service)
    {
        if (s_installed == service)
            s_installed = nullptr;
    }

private:
    static inline Service *s_installed = nullptr;
};
