// Placeholder: cells over nebula.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    vec3 a = texture2D(iChannel1, uv + vec2(0.02 * iGlobalTime, 0.0)).rgb;
    vec3 b = texture2D(iChannel2, uv * 0.8 - vec2(0.0, 0.01 * iGlobalTime)).rgb;
    gl_FragColor = vec4(a * b * 1.6, 1.0);
}
