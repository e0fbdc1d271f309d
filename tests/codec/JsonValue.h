#pragma once
// A small reader for the plain JSON of the reference fixtures (objects, arrays, strings
// without escapes beyond \" \\ \/ \n \t, integers, true/false/null). Enough for decoded.json.
#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testjson {

struct Value {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    bool b = false;
    long long n = 0;
    std::string s;
    std::vector<Value> items;
    std::map<std::string, Value> fields;

    const Value& operator[](const std::string& key) const {
        auto it = fields.find(key);
        if (kind != Object || it == fields.end()) throw std::runtime_error("no key " + key);
        return it->second;
    }
    const Value& operator[](std::size_t i) const {
        if (kind != Array || i >= items.size()) throw std::runtime_error("index out of range");
        return items[i];
    }
    std::size_t size() const { return kind == Array ? items.size() : fields.size(); }
    bool has(const std::string& key) const { return kind == Object && fields.count(key) != 0; }
    int asInt() const { return static_cast<int>(n); }
};

class Parser {
public:
    explicit Parser(const std::string& text) : t_(text) {}

    Value parse() {
        Value v = value();
        skip();
        if (i_ != t_.size()) fail("trailing text");
        return v;
    }

private:
    [[noreturn]] void fail(const std::string& why) { throw std::runtime_error("json: " + why + " at " + std::to_string(i_)); }
    void skip() {
        while (i_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[i_]))) ++i_;
    }
    char peek() {
        skip();
        if (i_ >= t_.size()) fail("unexpected end");
        return t_[i_];
    }
    void expect(char c) {
        if (peek() != c) fail(std::string("expected ") + c);
        ++i_;
    }
    bool word(const char* w) {
        std::string s(w);
        if (t_.compare(i_, s.size(), s) == 0) {
            i_ += s.size();
            return true;
        }
        return false;
    }
    std::string str() {
        expect('"');
        std::string out;
        while (i_ < t_.size() && t_[i_] != '"') {
            char c = t_[i_++];
            if (c == '\\') {
                if (i_ >= t_.size()) fail("bad escape");
                char e = t_[i_++];
                out.push_back(e == 'n' ? '\n' : e == 't' ? '\t' : e);
            } else {
                out.push_back(c);
            }
        }
        expect('"');
        return out;
    }
    Value value() {
        Value v;
        char c = peek();
        if (c == '{') {
            v.kind = Value::Object;
            ++i_;
            if (peek() == '}') { ++i_; return v; }
            for (;;) {
                std::string k = str();
                expect(':');
                v.fields[k] = value();
                if (peek() == ',') { ++i_; continue; }
                expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.kind = Value::Array;
            ++i_;
            if (peek() == ']') { ++i_; return v; }
            for (;;) {
                v.items.push_back(value());
                if (peek() == ',') { ++i_; continue; }
                expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.kind = Value::String;
            v.s = str();
            return v;
        }
        if (word("true")) { v.kind = Value::Bool; v.b = true; return v; }
        if (word("false")) { v.kind = Value::Bool; return v; }
        if (word("null")) return v;
        v.kind = Value::Number;
        std::size_t used = 0;
        v.n = std::stoll(t_.substr(i_, 24), &used);
        if (used == 0) fail("bad number");
        i_ += used;
        return v;
    }

    const std::string& t_;
    std::size_t i_ = 0;
};

inline Value parse(const std::string& text) { return Parser(text).parse(); }

}  // namespace testjson
