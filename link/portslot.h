#ifndef LUMETRA_PORTSLOT_H
#define LUMETRA_PORTSLOT_H

#include <cstdint>

// Room in the port table: nine ports and the end mark.
constexpr int PortTableEntries = 10;
constexpr int MaxListedPorts = PortTableEntries - 1;
constexpr unsigned char PortTableEndMark = 0xFF;
constexpr int PortSlotCount = 5;
constexpr int MeterBaudRate = 109375;
constexpr int DefaultPortBaudRate = 9600;

// One port opened by number. A free slot holds port number -1.
template<typename Handle, typename ControlBlock> struct PortSlot
{
    int32_t portNumber;
    Handle handle;
    int32_t openState; // 1 while open
    ControlBlock controlBlock;
    int32_t adoptionState; // 0 never adopted, 1 waiting to be made current, 2 made current
};

// The first slot holding portNumber; a free slot matches no port number, -1 included.
template<typename Slot> Slot *slotHolding(Slot (&portSlots)[PortSlotCount], int portNumber)
{
    if (portNumber == -1)
        return nullptr;
    for (Slot &slot : portSlots) {
        if (slot.portNumber == portNumber)
            return &slot;
    }
    return nullptr;
}

template<typename Slot> Slot *firstFreeSlot(Slot (&portSlots)[PortSlotCount])
{
    for (Slot &slot : portSlots) {
        if (slot.portNumber == -1)
            return &slot;
    }
    return nullptr;
}

#endif
