// Placeholder: plasma.

uniform float uSpeed;
uniform float uScale;
uniform float uGlow;
uniform float uFade;
varying vec3 vRay;
varying vec3 vEye;

void main()
{
    vec2 p = gl_FragCoord.xy / iResolution.y;
    float t = iGlobalTime;
    float v = sin(p.x * 10.0 + t) + sin(p.y * 9.0 - t * 1.3) + sin((p.x + p.y) * 7.0 + t * 0.7);
    gl_FragColor = vec4(0.5 + 0.5 * sin(v + vec3(0.0, 2.0, 4.0)), 1.0);
}
